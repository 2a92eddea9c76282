#include "editor/algorithmdeletion.h"
#include "editor/algorithminsertion.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"

#include <QtTest>

namespace {

enum class Deletion { Line, DeleteKey, Construct, ElseBranch, Procedure };

QString indented(int blanks, const QString &text)
{
    return QString(blanks, QLatin1Char(' ')) + text;
}

// The header, "НАЧ", the given main body, "КОН" and whatever follows it.
QStringList algorithm(const QStringList &body, const QStringList &after = {})
{
    return algorithmSkeleton(true).mid(0, 4) + body + QStringList{"КОН"} + after;
}

EditOutcome apply(AlgorithmDeletion &deletion, Deletion kind)
{
    switch (kind) {
    case Deletion::Line: return deletion.deleteLine();
    case Deletion::DeleteKey: return deletion.deleteSimpleLine();
    case Deletion::Construct: return deletion.deleteConstruct();
    case Deletion::ElseBranch: return deletion.deleteElseBranch();
    case Deletion::Procedure: return deletion.deleteProcedure();
    }
    return {};
}

const QStringList branchInBranch{
    indented(4, "ЕСЛИ впереди стена"),
    indented(7, "ТО"),
    indented(11, "ЕСЛИ впереди НЕ стена"),
    indented(14, "ТО"),
    indented(18, "ШАГ"),
    indented(14, "ИНАЧЕ"),
    indented(11, "ВСЁ"),
    indented(11, "ПОКА впереди стена"),
    indented(11, "НЦ"),
    indented(11, "КЦ"),
    indented(7, "ИНАЧЕ"),
    indented(11, "ПОВОРОТ"),
    indented(4, "ВСЁ"),
    indented(4, "ПРЫЖОК"),
};

const QStringList loopInLoop{
    indented(4, "ПОКА впереди НЕ стена"),
    indented(4, "НЦ"),
    indented(8, "ЕСЛИ впереди стена"),
    indented(11, "ТО"),
    indented(11, "ИНАЧЕ"),
    indented(8, "ВСЁ"),
    indented(8, "ПОКА впереди стена"),
    indented(8, "НЦ"),
    indented(12, "ПОВОРОТ"),
    indented(8, "КЦ"),
    indented(4, "КЦ"),
    indented(4, "ШАГ"),
};

const QStringList elseWithBranch{
    indented(4, "ЕСЛИ впереди стена"),
    indented(7, "ТО"),
    indented(11, "ШАГ"),
    indented(7, "ИНАЧЕ"),
    indented(11, "ЕСЛИ впереди НЕ стена"),
    indented(14, "ТО"),
    indented(14, "ИНАЧЕ"),
    indented(18, "ПОВОРОТ"),
    indented(11, "ВСЁ"),
    indented(11, "ПРЫЖОК"),
    indented(4, "ВСЁ"),
};

const QStringList twoProcedures{
    "ПРОЦЕДУРА а", indented(4, "ШАГ"),     indented(4, "ДЕЛАЙ б"), "КОНЕЦ ПРОЦЕДУРЫ",
    "ПРОЦЕДУРА б", indented(4, "ПОВОРОТ"), "КОНЕЦ ПРОЦЕДУРЫ",
};

} // namespace

class TestAlgorithmDeletion : public QObject
{
    Q_OBJECT

private slots:
    void deletions_data();
    void deletions();
    void refusedProcedureDeletion_data();
    void refusedProcedureDeletion();
    void procedureDeletionUpdatesNames();
    void deleteKeyOnlyOnSimpleLines_data();
    void deleteKeyOnlyOnSimpleLines();
    void wholeAlgorithm_data();
    void wholeAlgorithm();
    void nothingWithoutCurrentLine();
    void staysInsideBrokenTexts_data();
    void staysInsideBrokenTexts();
};

void TestAlgorithmDeletion::deletions_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<Deletion>("deletion");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedRow");

    QTest::newRow("branch holding a branch")
        << algorithm(branchInBranch) << 4 << Deletion::Construct << algorithm({indented(4, "ПРЫЖОК")}) << 4;
    QTest::newRow("inner branch") << algorithm(branchInBranch) << 6 << Deletion::Construct
                                  << algorithm(branchInBranch.mid(0, 2) + branchInBranch.mid(7)) << 6;
    QTest::newRow("loop holding a branch and a loop")
        << algorithm(loopInLoop) << 4 << Deletion::Construct << algorithm({indented(4, "ШАГ")}) << 4;
    QTest::newRow("inner loop") << algorithm(loopInLoop) << 10 << Deletion::Construct
                                << algorithm(loopInLoop.mid(0, 6) + loopInLoop.mid(10)) << 10;
    QTest::newRow("branch before КОН")
        << algorithm(elseWithBranch) << 4 << Deletion::Construct << algorithm({}) << 4;
    QTest::newRow("construct on a command")
        << algorithm(branchInBranch) << 8 << Deletion::Construct << algorithm(branchInBranch) << 8;

    QTest::newRow("else holding a branch")
        << algorithm(elseWithBranch) << 7 << Deletion::ElseBranch
        << algorithm(elseWithBranch.mid(0, 3) + QStringList{indented(4, "ВСЁ")}) << 7;
    QTest::newRow("inner else") << algorithm(branchInBranch) << 9 << Deletion::ElseBranch
                                << algorithm(branchInBranch.mid(0, 5) + branchInBranch.mid(6)) << 9;
    QTest::newRow("else on a head") << algorithm(elseWithBranch) << 4 << Deletion::ElseBranch
                                    << algorithm(elseWithBranch) << 4;

    QTest::newRow("line") << algorithm({indented(4, "ШАГ"), indented(4, "ПОВОРОТ")}) << 4 << Deletion::Line
                          << algorithm({indented(4, "ПОВОРОТ")}) << 4;
    QTest::newRow("last line") << algorithm({}, {"// конец"}) << 5 << Deletion::Line
                               << algorithm({}, {QString()}) << 5;
    QTest::newRow("last line by the key") << algorithm({}, {indented(4, "ДЕЛАЙ х")}) << 5
                                          << Deletion::DeleteKey << algorithm({}, {QString()}) << 5;

    QTest::newRow("first procedure") << algorithm({}, twoProcedures) << 5 << Deletion::Procedure
                                     << algorithm({}, twoProcedures.mid(4)) << 5;
    QTest::newRow("last procedure") << algorithm({}, twoProcedures.mid(4)) << 5 << Deletion::Procedure
                                    << algorithm({}, {QString()}) << 5;
    QTest::newRow("procedure on a call")
        << algorithm({}, twoProcedures) << 7 << Deletion::Procedure << algorithm({}, twoProcedures) << 7;
}

void TestAlgorithmDeletion::deletions()
{
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(Deletion, deletion);
    QFETCH(QStringList, expected);
    QFETCH(int, expectedRow);

    AlgorithmText text;
    text.setLines(lines);
    text.setCurrentRow(row);
    QStringList names{QStringLiteral("а"), QStringLiteral("б")};
    AlgorithmDeletion deleter(text, names);

    const EditOutcome outcome = apply(deleter, deletion);
    QCOMPARE(text.lines(), expected);
    QCOMPARE(text.currentRow(), expectedRow);
    QCOMPARE(outcome.changed, expected != lines);
    QCOMPARE(outcome.statistics, StatisticsUpdate::Recount);
    QVERIFY(outcome.message.isEmpty());
    QVERIFY(!outcome.topRow);
}

void TestAlgorithmDeletion::refusedProcedureDeletion_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");

    QTest::newRow("calls itself") << algorithm({}, {"ПРОЦЕДУРА а", indented(4, "ДЕЛАЙ а"), "КОНЕЦ ПРОЦЕДУРЫ"})
                                  << 5;
    QTest::newRow("called from the main body")
        << algorithm({indented(11, "ДЕЛАЙ б")}, twoProcedures.mid(4)) << 6;
    QTest::newRow("called from another procedure") << algorithm({}, twoProcedures) << 9;
    QTest::newRow("called after its description")
        << algorithm({}, twoProcedures.mid(4) + QStringList{"ПРОЦЕДУРА в", "ДЕЛАЙ б", "КОНЕЦ ПРОЦЕДУРЫ"})
        << 5;
}

void TestAlgorithmDeletion::refusedProcedureDeletion()
{
    QFETCH(QStringList, lines);
    QFETCH(int, row);

    AlgorithmText text;
    text.setLines(lines);
    text.setCurrentRow(row);
    QStringList names{QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в")};
    AlgorithmDeletion deleter(text, names);

    const EditOutcome outcome = deleter.deleteProcedure();
    QCOMPARE(outcome.message, QStringLiteral("Нельзя удалить процедуру \nбез удаления всех её вызовов !!!"));
    QVERIFY(!outcome.changed);
    QCOMPARE(outcome.statistics, StatisticsUpdate::None);
    QVERIFY(!outcome.procedureNamesChanged);
    QCOMPARE(text.lines(), lines);
    QCOMPARE(text.currentRow(), row);
    QCOMPARE(names.size(), 3);
}

void TestAlgorithmDeletion::procedureDeletionUpdatesNames()
{
    // Built the way the pupil builds it: a self-calling procedure.
    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, 16);
    insertion.enterNewProcedureName(QStringLiteral("обход"), ProcedurePanelMode::Description);
    insertion.enterNewProcedureName(QStringLiteral("Обход"), ProcedurePanelMode::Description);
    text.setCurrentRow(6);
    insertion.chooseProcedure(QStringLiteral("обход"), ProcedurePanelMode::Call);
    QCOMPARE(text.lines().mid(5),
             (QStringList{"ПРОЦЕДУРА обход", indented(4, "ДЕЛАЙ обход"), "КОНЕЦ ПРОЦЕДУРЫ", "ПРОЦЕДУРА Обход",
                          "КОНЕЦ ПРОЦЕДУРЫ"}));

    AlgorithmDeletion deleter(text, names);
    text.setCurrentRow(5);
    QVERIFY(!deleter.deleteProcedure().message.isEmpty());
    QCOMPARE(text.count(), 10);

    // Once the call is gone the procedure goes, and only its own name.
    text.setCurrentRow(6);
    deleter.deleteSimpleLine();
    text.setCurrentRow(5);
    const EditOutcome outcome = deleter.deleteProcedure();
    QVERIFY(outcome.message.isEmpty());
    QVERIFY(outcome.procedureNamesChanged);
    QCOMPARE(text.lines(), algorithm({}, {"ПРОЦЕДУРА Обход", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(text.currentRow(), 5);
    QCOMPARE(names, QStringList{"Обход"});
}

void TestAlgorithmDeletion::deleteKeyOnlyOnSimpleLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("removed");

    QTest::newRow("step") << indented(4, "ШАГ") << true;
    QTest::newRow("jump") << indented(4, "ПРЫЖОК") << true;
    QTest::newRow("turn") << indented(11, "ПОВОРОТ") << true;
    QTest::newRow("call") << indented(4, "ДЕЛАЙ а") << true;
    QTest::newRow("comment") << QStringLiteral("//x") << true;
    QTest::newRow("blank") << QString() << true;
    QTest::newRow("blanks only") << QStringLiteral("   \t") << true;
    QTest::newRow("end") << QStringLiteral("КОН") << false;
    QTest::newRow("branch head") << indented(4, "ЕСЛИ впереди стена") << false;
    QTest::newRow("loop head") << indented(4, "ПОКА впереди НЕ стена") << false;
    QTest::newRow("else") << indented(7, "ИНАЧЕ") << false;
    QTest::newRow("then") << indented(7, "ТО") << false;
    QTest::newRow("branch end") << indented(4, "ВСЁ") << false;
    QTest::newRow("loop begin") << indented(4, "НЦ") << false;
    QTest::newRow("loop end") << indented(4, "КЦ") << false;
    QTest::newRow("procedure head") << QStringLiteral("ПРОЦЕДУРА а") << false;
    QTest::newRow("procedure end") << QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ") << false;
    QTest::newRow("step and a blank") << indented(4, "ШАГ ") << false;
}

void TestAlgorithmDeletion::deleteKeyOnlyOnSimpleLines()
{
    QFETCH(QString, line);
    QFETCH(bool, removed);

    const QStringList lines = algorithm({line, indented(4, "ШАГ")});
    AlgorithmText text;
    text.setLines(lines);
    text.setCurrentRow(4);
    QStringList names;
    AlgorithmDeletion deleter(text, names);

    const EditOutcome outcome = deleter.deleteSimpleLine();
    QCOMPARE(outcome.changed, removed);
    QCOMPARE(outcome.statistics, removed ? StatisticsUpdate::Recount : StatisticsUpdate::None);
    QCOMPARE(text.lines(), removed ? algorithm({indented(4, "ШАГ")}) : lines);
    QCOMPARE(text.currentRow(), 4);
}

void TestAlgorithmDeletion::wholeAlgorithm_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("hasPointB");

    QTest::newRow("with procedures") << algorithm(branchInBranch, twoProcedures) << 10 << true;
    QTest::newRow("pattern task") << algorithm(loopInLoop) << 2 << false;
    QTest::newRow("short file, nothing selected") << QStringList{"НАЧ"} << -1 << true;
    QTest::newRow("empty file") << QStringList{} << -1 << false;
}

void TestAlgorithmDeletion::wholeAlgorithm()
{
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(bool, hasPointB);

    AlgorithmText text;
    text.setLines(lines);
    text.setCurrentRow(row);
    QStringList names{QStringLiteral("а"), QStringLiteral("б")};
    AlgorithmDeletion deleter(text, names);

    const EditOutcome outcome = deleter.deleteWholeAlgorithm(hasPointB);
    QCOMPARE(text.lines(), algorithmSkeleton(hasPointB));
    QCOMPARE(text.currentRow(), 4);
    QVERIFY(names.isEmpty());
    QVERIFY(outcome.changed);
    QVERIFY(outcome.procedureNamesChanged);
    QCOMPARE(outcome.statistics, StatisticsUpdate::Reset);
    QVERIFY(outcome.message.isEmpty());
}

void TestAlgorithmDeletion::nothingWithoutCurrentLine()
{
    const QStringList lines{"ПРОЦЕДУРА а", "ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"};
    AlgorithmText text;
    text.setLines(lines);
    QStringList names{QStringLiteral("а")};
    AlgorithmDeletion deleter(text, names);

    for (Deletion kind : {Deletion::Line, Deletion::DeleteKey, Deletion::Construct, Deletion::ElseBranch,
                          Deletion::Procedure}) {
        const EditOutcome outcome = apply(deleter, kind);
        QVERIFY(!outcome.changed);
        QCOMPARE(outcome.statistics, StatisticsUpdate::None);
    }
    QCOMPARE(text.lines(), lines);
    QCOMPARE(text.currentRow(), -1);
    QCOMPARE(names, QStringList{"а"});
}

// Loaded files may lack a closing line: the deletion stops at the end of the text.
void TestAlgorithmDeletion::staysInsideBrokenTexts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<Deletion>("deletion");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedRow");

    const QStringList openBranch{"ЕСЛИ впереди стена", "ТО", "ШАГ", "ИНАЧЕ", "ПОВОРОТ"};
    const QStringList openLoop{"ПОКА впереди стена", "НЦ", "ПОКА впереди стена", "НЦ", "КЦ"};

    QTest::newRow("branch without ВСЁ")
        << algorithm({}, openBranch) << 5 << Deletion::Construct << algorithm({}) << 4;
    QTest::newRow("else without ВСЁ")
        << algorithm({}, openBranch) << 8 << Deletion::ElseBranch << algorithm({}, openBranch.mid(0, 3)) << 7;
    QTest::newRow("loop without its КЦ")
        << algorithm({}, openLoop) << 5 << Deletion::Construct << algorithm({}) << 4;
    QTest::newRow("procedure without its end")
        << algorithm({}, twoProcedures.mid(0, 3)) << 5 << Deletion::Procedure << algorithm({}) << 4;
    QTest::newRow("the whole text") << openLoop << 0 << Deletion::Construct << QStringList{QString()} << 0;
}

void TestAlgorithmDeletion::staysInsideBrokenTexts()
{
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(Deletion, deletion);
    QFETCH(QStringList, expected);
    QFETCH(int, expectedRow);

    AlgorithmText text;
    text.setLines(lines);
    text.setCurrentRow(row);
    QStringList names{QStringLiteral("а")};
    AlgorithmDeletion deleter(text, names);

    const EditOutcome outcome = apply(deleter, deletion);
    QCOMPARE(text.lines(), expected);
    QCOMPARE(text.currentRow(), expectedRow);
    QVERIFY(outcome.changed);
    QCOMPARE(outcome.statistics, StatisticsUpdate::Recount);

    // Every edit on every row of such a text keeps a current line inside the text.
    for (int start = 0; start < lines.size(); ++start) {
        for (int kind = 0; kind < 8; ++kind) {
            text.setLines(lines);
            text.setCurrentRow(start);
            AlgorithmInsertion insertion(text, names, 16);
            switch (kind) {
            case 0: deleter.deleteLine(); break;
            case 1: deleter.deleteConstruct(); break;
            case 2: deleter.deleteElseBranch(); break;
            case 3: deleter.deleteProcedure(); break;
            case 4: insertion.insertBranch(WallCondition::WallAhead); break;
            case 5: insertion.insertLoop(WallCondition::WallAhead); break;
            case 6: insertion.chooseProcedure(QStringLiteral("а"), ProcedurePanelMode::Call); break;
            case 7: insertion.insertStep(); break;
            }
            QVERIFY2(text.isValidRow(text.currentRow()),
                     qPrintable(QStringLiteral("edit %1 from row %2").arg(kind).arg(start)));
        }
    }
}

QTEST_APPLESS_MAIN(TestAlgorithmDeletion)

#include "tst_algorithmdeletion.moc"
