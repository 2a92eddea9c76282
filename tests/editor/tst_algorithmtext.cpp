#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestAlgorithmText : public QObject
{
    Q_OBJECT

private slots:
    void insertionIndentRule_data();
    void insertionIndentRule();
    void skeleton_data();
    void skeleton();
    void selectionRule_data();
    void selectionRule();
    void halfVisibleLinesRule_data();
    void halfVisibleLinesRule();
    void currentRowFollowsItsLine_data();
    void currentRowFollowsItsLine();
    void rowsOutsideTheText();
    void modelSignals();
};

void TestAlgorithmText::insertionIndentRule_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("indent");

    QTest::newRow("КОН") << "КОН" << blanks(4);
    QTest::newRow("КОНЕЦ ПРОЦЕДУРЫ") << "КОНЕЦ ПРОЦЕДУРЫ" << blanks(4);
    QTest::newRow("КЦ") << "    КЦ" << blanks(8);
    QTest::newRow("ИНАЧЕ") << "       ИНАЧЕ" << blanks(11);
    QTest::newRow("ВСЁ") << "    ВСЁ" << blanks(11);
    QTest::newRow("ВСЕ with Е") << "    ВСЕ" << blanks(4);
    QTest::newRow("command") << "           ШАГ" << blanks(11);
    QTest::newRow("branch head") << "    ЕСЛИ впереди стена" << blanks(4);
    QTest::newRow("loop head") << "        ПОКА впереди НЕ стена" << blanks(8);
    QTest::newRow("procedure head") << "ПРОЦЕДУРА угол"
                                    << "";
    QTest::newRow("comment") << "//x"
                             << "";
    QTest::newRow("blank line") << ""
                                << "";
    QTest::newRow("КОН with trailing blank") << "КОН "
                                             << "";
    QTest::newRow("tabs become blanks") << "\t\tШАГ" << blanks(2);
    QTest::newRow("tab before КЦ") << "\tКЦ" << blanks(5);
    QTest::newRow("control characters before ВСЁ") << QString("\x02\x03ВСЁ") << blanks(9);
}

void TestAlgorithmText::insertionIndentRule()
{
    QFETCH(QString, current);
    QFETCH(QString, indent);
    QCOMPARE(insertionIndent(current), indent);
}

void TestAlgorithmText::skeleton_data()
{
    QTest::addColumn<bool>("hasPointB");
    QTest::addColumn<QString>("goal");

    QTest::newRow("point Б") << true << "    Надо: Исполнитель в т.Б";
    QTest::newRow("pattern") << false << "    Надо: Воспроизвести образец";
}

void TestAlgorithmText::skeleton()
{
    QFETCH(bool, hasPointB);
    QFETCH(QString, goal);

    AlgorithmText text;
    text.setLines({"", "x", "y", "z", "w", "v", "u"});
    text.setCurrentRow(6);
    buildAlgorithmSkeleton(text, hasPointB);
    const QStringList expected{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", goal, "НАЧ", "КОН"};
    QCOMPARE(text.lines(), expected);
    QCOMPARE(text.currentRow(), 4);
}

void TestAlgorithmText::selectionRule_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("selected");

    const QStringList pointB = algorithmSkeleton(true);
    const QStringList pattern = algorithmSkeleton(false);
    for (int row = 0; row < 4; ++row) {
        QTest::addRow("point Б skeleton, row %d", row) << pointB << row << 4;
        QTest::addRow("pattern skeleton, row %d", row) << pattern << row << 4;
    }
    QTest::newRow("КОН stays") << pointB << 4 << 4;

    const QStringList branch = pointB.mid(0, 4)
        + QStringList{"    ЕСЛИ впереди стена", "       ТО", "       ИНАЧЕ", "    ВСЁ", "КОН"};
    QTest::newRow("ТО with empty then-body") << branch << 5 << 6;
    QTest::newRow("branch head stays") << branch << 4 << 4;
    QTest::newRow("ИНАЧЕ stays") << branch << 6 << 6;
    QTest::newRow("ВСЁ stays") << branch << 7 << 7;

    const QStringList noElse =
        pointB.mid(0, 4) + QStringList{"    ЕСЛИ впереди стена", "       ТО", "    ВСЁ", "КОН"};
    QTest::newRow("ТО without ИНАЧЕ") << noElse << 5 << 6;

    const QStringList thenBody =
        pointB.mid(0, 4) + QStringList{"    ЕСЛИ впереди стена", "       ТО", "           ШАГ",
                                       "       ИНАЧЕ",           "    ВСЁ",   "КОН"};
    QTest::newRow("ТО with then-body") << thenBody << 5 << 6;

    const QStringList loop =
        pointB.mid(0, 4) + QStringList{"    ПОКА впереди НЕ стена", "    НЦ", "    КЦ", "КОН"};
    QTest::newRow("НЦ with empty body") << loop << 5 << 6;
    QTest::newRow("КЦ stays") << loop << 6 << 6;

    const QStringList loopBody =
        pointB.mid(0, 4) + QStringList{"    ПОКА впереди стена", "    НЦ", "        ПРЫЖОК", "    КЦ", "КОН"};
    QTest::newRow("НЦ with body") << loopBody << 5 << 6;
    QTest::newRow("loop body line stays") << loopBody << 6 << 6;

    QTest::newRow("indented НАЧ") << QStringList{"a", "b", "c", "  НАЧ", "d", "e"} << 3 << 4;
    QTest::newRow("НАЧ lower in a loaded file") << QStringList{"a", "b", "c", "d", "e", "НАЧ"} << 5 << 4;
    QTest::newRow("НАЧ with trailing blank stays") << QStringList{"a", "b", "c", "НАЧ ", "d"} << 3 << 3;
    QTest::newRow("title by ten characters") << QStringList{"АЛГОРИТМ П", "b", "c", "d", "e"} << 0 << 4;
    QTest::newRow("eight characters are not a header")
        << QStringList{"АЛГОРИТМ", "b", "c", "d", "e"} << 0 << 0;
    QTest::newRow("goal by ten characters") << QStringList{"Надо: Восп", "b", "c", "d", "e"} << 0 << 4;
    QTest::newRow("given of another wording stays")
        << QStringList{"Дано: что-то", "b", "c", "d", "e"} << 0 << 0;
    QTest::newRow("НЦ as the last row: none") << QStringList{"ШАГ", "НЦ"} << 1 << -1;
    QTest::newRow("ТО as the last row: none") << QStringList{"ТО"} << 0 << -1;
    QTest::newRow("header of a short file: none") << pointB.mid(0, 4) << 1 << -1;
    QTest::newRow("НАЧ of a short file: none") << pointB.mid(0, 4) << 3 << -1;
    QTest::newRow("title of a three-line file: none")
        << QStringList{"АЛГОРИТМ ПУТЬ_0", "НАЧ", "КОН"} << 0 << -1;
    QTest::newRow("row 4 is a header too: none")
        << QStringList{"АЛГОРИТМ ПУТЬ_0", "НАЧ", "КОН", "ШАГ", "НАЧ"} << 0 << -1;
    QTest::newRow("row below the text") << pointB << 5 << -1;
    QTest::newRow("row above the text") << pointB << -1 << -1;
    QTest::newRow("empty text") << QStringList() << 0 << -1;
}

void TestAlgorithmText::selectionRule()
{
    QFETCH(QStringList, lines);
    QFETCH(int, clicked);
    QFETCH(int, selected);
    QCOMPARE(rowAfterPupilSelection(lines, clicked), selected);
}

void TestAlgorithmText::halfVisibleLinesRule_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("half");

    QTest::newRow("520 pixels") << 520 << 16;
    QTest::newRow("one row short of 33") << 527 << 16;
    QTest::newRow("33 rows") << 528 << 16;
    QTest::newRow("34 rows") << 544 << 17;
    QTest::newRow("one row") << 16 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -100 << 0;
}

void TestAlgorithmText::halfVisibleLinesRule()
{
    QFETCH(int, height);
    QFETCH(int, half);
    QCOMPARE(halfVisibleLines(height), half);
}

void TestAlgorithmText::currentRowFollowsItsLine_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("current");

    // Start: a b c d e with "c" (row 2) current.
    QTest::newRow("insert before current")
        << "insert" << 2 << 2 << QStringList{"a", "b", "+", "+", "c", "d", "e"} << 4;
    QTest::newRow("insert at the top")
        << "insert" << 0 << 1 << QStringList{"+", "a", "b", "c", "d", "e"} << 3;
    QTest::newRow("insert after current")
        << "insert" << 3 << 1 << QStringList{"a", "b", "c", "+", "d", "e"} << 2;
    QTest::newRow("append") << "insert" << 5 << 1 << QStringList{"a", "b", "c", "d", "e", "+"} << 2;
    QTest::newRow("insert below the end is appended")
        << "insert" << 99 << 1 << QStringList{"a", "b", "c", "d", "e", "+"} << 2;
    QTest::newRow("insert above the top is prepended")
        << "insert" << -3 << 1 << QStringList{"+", "a", "b", "c", "d", "e"} << 3;
    QTest::newRow("remove before current") << "remove" << 0 << 2 << QStringList{"c", "d", "e"} << 0;
    QTest::newRow("remove after current") << "remove" << 3 << 2 << QStringList{"a", "b", "c"} << 2;
    QTest::newRow("remove current") << "remove" << 2 << 1 << QStringList{"a", "b", "d", "e"} << 2;
    QTest::newRow("remove across current") << "remove" << 1 << 3 << QStringList{"a", "e"} << 1;
    QTest::newRow("remove current to the end") << "remove" << 2 << 3 << QStringList{"a", "b"} << -1;
    QTest::newRow("remove past the end is cut") << "remove" << 3 << 50 << QStringList{"a", "b", "c"} << 2;
    QTest::newRow("remove from before the top is cut")
        << "remove" << -2 << 3 << QStringList{"b", "c", "d", "e"} << 1;
    QTest::newRow("remove outside the text")
        << "remove" << 7 << 2 << QStringList{"a", "b", "c", "d", "e"} << 2;
    QTest::newRow("remove nothing") << "remove" << 1 << 0 << QStringList{"a", "b", "c", "d", "e"} << 2;
    QTest::newRow("remove a negative count")
        << "remove" << 1 << -4 << QStringList{"a", "b", "c", "d", "e"} << 2;
}

void TestAlgorithmText::currentRowFollowsItsLine()
{
    QFETCH(QString, operation);
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(QStringList, lines);
    QFETCH(int, current);

    AlgorithmText text;
    QAbstractItemModelTester tester(&text, QAbstractItemModelTester::FailureReportingMode::QtTest);
    text.setLines({"a", "b", "c", "d", "e"});
    text.setCurrentRow(2);
    if (operation == "insert")
        text.insertLines(row, QStringList(count, "+"));
    else
        text.removeLines(row, count);
    QCOMPARE(text.lines(), lines);
    QCOMPARE(text.currentRow(), current);
    QCOMPARE(text.rowCount(), lines.size());
    for (int r = 0; r < lines.size(); ++r)
        QCOMPARE(text.data(text.index(r)).toString(), lines.at(r));
}

void TestAlgorithmText::rowsOutsideTheText()
{
    AlgorithmText text;
    QCOMPARE(text.currentRow(), -1);
    QCOMPARE(text.currentLine(), QString());
    text.setCurrentRow(0);
    QCOMPARE(text.currentRow(), -1);

    text.setLines({"a", "b"});
    text.setCurrentRow(2);
    QCOMPARE(text.currentRow(), -1);
    text.setCurrentRow(1);
    QCOMPARE(text.currentLine(), "b");
    text.setCurrentRow(-5);
    QCOMPARE(text.currentRow(), -1);
    QVERIFY(!text.data(text.index(2)).isValid());
    QVERIFY(!text.data(text.index(-1)).isValid());
    QCOMPARE(text.rowCount(text.index(0)), 0);

    text.setCurrentRow(0);
    text.setLines({"x"});
    QCOMPARE(text.currentRow(), -1);
}

void TestAlgorithmText::modelSignals()
{
    AlgorithmText text;
    QAbstractItemModelTester tester(&text, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy current(&text, &AlgorithmText::currentRowChanged);
    QSignalSpy inserted(&text, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&text, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&text, &QAbstractItemModel::modelReset);

    buildAlgorithmSkeleton(text, false);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.last().at(0).toInt(), 4);

    text.setCurrentRow(4);
    QCOMPARE(current.count(), 1);

    text.insertLines(4, {"    ШАГ", "    ШАГ"});
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.last().at(1).toInt(), 4);
    QCOMPARE(inserted.last().at(2).toInt(), 5);
    QCOMPARE(current.last().at(0).toInt(), 6);

    text.insertLines(0, {});
    QCOMPARE(inserted.count(), 1);

    text.removeLines(4, 2);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.last().at(1).toInt(), 4);
    QCOMPARE(removed.last().at(2).toInt(), 5);
    QCOMPARE(current.last().at(0).toInt(), 4);
    QCOMPARE(text.lines(), algorithmSkeleton(false));

    text.removeLines(9, 1);
    QCOMPARE(removed.count(), 1);
}

QTEST_GUILESS_MAIN(TestAlgorithmText)
#include "tst_algorithmtext.moc"
