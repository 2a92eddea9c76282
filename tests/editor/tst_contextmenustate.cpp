#include "editor/algorithmtext.h"
#include "editor/contextmenustate.h"

#include <QtTest>

class TestContextMenuState : public QObject
{
    Q_OBJECT

private slots:
    void deletionsFitTheLine_data();
    void deletionsFitTheLine();
    void withoutCurrentLine();
};

void TestContextMenuState::deletionsFitTheLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("deleteLine");
    QTest::addColumn<bool>("deleteConstruct");
    QTest::addColumn<bool>("deleteElseBranch");
    QTest::addColumn<bool>("deleteProcedure");

    const auto row = [](const char *name, const QString &line, bool l, bool c, bool e, bool p) {
        QTest::newRow(name) << line << l << c << e << p;
    };
    const QString four(4, QLatin1Char(' '));
    const QString seven(7, QLatin1Char(' '));

    row("step", four + "ШАГ", true, false, false, false);
    row("jump", four + "ПРЫЖОК", true, false, false, false);
    row("turn", QStringLiteral("\tПОВОРОТ"), true, false, false, false);
    row("call", four + "ДЕЛАЙ угол", true, false, false, false);
    row("comment", QStringLiteral("//заметка"), true, false, false, false);
    row("blank", QString(), true, false, false, false);
    row("else", seven + "ИНАЧЕ", false, false, true, false);
    row("branch head", four + "ЕСЛИ впереди стена", false, true, false, false);
    row("negated branch head", four + "ЕСЛИ впереди НЕ стена", false, true, false, false);
    row("loop head", four + "ПОКА впереди стена", false, true, false, false);
    row("negated loop head", four + "ПОКА впереди НЕ стена", false, true, false, false);
    row("title", QStringLiteral("АЛГОРИТМ ПУТЬ_0"), false, false, false, false);
    row("given", four + "Дано: Исполнитель в т.А", false, false, false, false);
    row("goal point", four + "Надо: Исполнитель в т.Б", false, false, false, false);
    row("goal pattern", four + "Надо: Воспроизвести образец", false, false, false, false);
    row("begin", QStringLiteral("НАЧ"), false, false, false, false);
    row("end", QStringLiteral("КОН"), false, false, false, false);
    row("loop end", four + "КЦ", false, false, false, false);
    row("branch end", four + "ВСЁ", false, false, false, false);
    row("procedure end", QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ"), false, false, false, false);
    row("procedure head", QStringLiteral("ПРОЦЕДУРА угол"), false, false, false, true);
    // Lines the editor never selects or builds: every deletion is offered.
    row("then", seven + "ТО", true, true, true, true);
    row("loop begin", four + "НЦ", true, true, true, true);
    row("end and a blank", QStringLiteral("КОН "), true, true, true, true);
    row("unknown word", QStringLiteral("ИДТИ"), true, true, true, true);
}

void TestContextMenuState::deletionsFitTheLine()
{
    QFETCH(QString, line);
    QFETCH(bool, deleteLine);
    QFETCH(bool, deleteConstruct);
    QFETCH(bool, deleteElseBranch);
    QFETCH(bool, deleteProcedure);

    AlgorithmText text;
    text.setLines({QStringLiteral("НАЧ"), line, QStringLiteral("КОН")});
    text.setCurrentRow(1);

    ContextMenuState expected;
    expected.deleteLine = deleteLine;
    expected.deleteConstruct = deleteConstruct;
    expected.deleteElseBranch = deleteElseBranch;
    expected.deleteProcedure = deleteProcedure;
    const ContextMenuState menu = contextMenuState(text);
    QCOMPARE(menu.deleteLine, deleteLine);
    QCOMPARE(menu.deleteConstruct, deleteConstruct);
    QCOMPARE(menu.deleteElseBranch, deleteElseBranch);
    QCOMPARE(menu.deleteProcedure, deleteProcedure);
    // The whole algorithm, the two insertions and the files are always offered.
    QVERIFY(menu == expected);
}

void TestContextMenuState::withoutCurrentLine()
{
    AlgorithmText text;
    text.setLines({QStringLiteral("ШАГ"), QStringLiteral("ПРОЦЕДУРА а")});

    ContextMenuState expected;
    expected.deleteLine = expected.deleteConstruct = expected.deleteElseBranch = false;
    expected.deleteProcedure = expected.insertBlankLine = expected.insertComment = false;
    QVERIFY(contextMenuState(text) == expected);
    QVERIFY(contextMenuState(AlgorithmText()) == expected);
}

QTEST_APPLESS_MAIN(TestContextMenuState)

#include "tst_contextmenustate.moc"
