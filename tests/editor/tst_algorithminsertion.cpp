#include "editor/algorithminsertion.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "editor/procedurename.h"

#include <QtTest>

namespace {

constexpr int halfVisible = 16;

QString indented(int blanks, const QString &text)
{
    return QString(blanks, QLatin1Char(' ')) + text;
}

// A click on a row, through the selection rule.
void select(AlgorithmText &text, int row)
{
    text.setCurrentRow(rowAfterPupilSelection(text.lines(), row));
}

int rowOf(const AlgorithmText &text, const QString &command)
{
    for (int row = 0; row < text.count(); ++row) {
        if (commandText(text.line(row)) == command)
            return row;
    }
    return -1;
}

// A loop with a step, a branch with a turn and a call of a new procedure, whose
// body gets a turn.
void buildLoopBranchAndProcedure(AlgorithmText &text, QStringList &names)
{
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    insertion.insertLoop(WallCondition::NoWallAhead);
    insertion.insertStep();
    select(text, rowOf(text, QStringLiteral("КОН")));
    insertion.insertBranch(WallCondition::WallAhead);
    insertion.insertTurn();
    select(text, rowOf(text, QStringLiteral("ВСЁ")));
    insertion.enterNewProcedureName(QStringLiteral("угол"), ProcedurePanelMode::Call);
    select(text, rowOf(text, QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ")));
    insertion.insertTurn();
}

} // namespace

class TestAlgorithmInsertion : public QObject
{
    Q_OBJECT

private slots:
    void builtExample_data();
    void builtExample();
    void commandsBeforeEnd_data();
    void commandsBeforeEnd();
    void constructs_data();
    void constructs();
    void commandInsideBranch();
    void procedureCalls();
    void procedureDescriptions();
    void newProcedureNames_data();
    void newProcedureNames();
    void nameListWraps_data();
    void nameListWraps();
    void refusedNamesLeaveTextAlone_data();
    void refusedNamesLeaveTextAlone();
    void closedProcedurePanelInsertsNothing();
    void blankLine();
    void comments_data();
    void comments();
    void nothingWithoutCurrentLine_data();
    void nothingWithoutCurrentLine();
};

void TestAlgorithmInsertion::builtExample_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<QString>("command");

    const struct
    {
        int blanks;
        const char *command;
    } rows[] = {
        {0, "АЛГОРИТМ ПУТЬ_0"},
        {4, "Дано: Исполнитель в т.А"},
        {4, "Надо: Исполнитель в т.Б"},
        {0, "НАЧ"},
        {4, "ПОКА впереди НЕ стена"},
        {4, "НЦ"},
        {8, "ШАГ"},
        {4, "КЦ"},
        {4, "ЕСЛИ впереди стена"},
        {7, "ТО"},
        {11, "ПОВОРОТ"},
        {7, "ИНАЧЕ"},
        {11, "ДЕЛАЙ угол"},
        {4, "ВСЁ"},
        {0, "КОН"},
        {0, "ПРОЦЕДУРА угол"},
        {4, "ПОВОРОТ"},
        {0, "КОНЕЦ ПРОЦЕДУРЫ"},
    };
    int row = 0;
    for (const auto &expected : rows) {
        QTest::addRow("row %d", row) << row << expected.blanks << QString::fromUtf8(expected.command);
        ++row;
    }
}

void TestAlgorithmInsertion::builtExample()
{
    QFETCH(int, row);
    QFETCH(int, blanks);
    QFETCH(QString, command);

    AlgorithmText text;
    QStringList names;
    buildLoopBranchAndProcedure(text, names);

    QCOMPARE(text.count(), 18);
    QCOMPARE(text.line(row), indented(blanks, command));
    QCOMPARE(names, QStringList{QStringLiteral("угол")});
    // The cursor stays on the procedure's end, below its new body line.
    QCOMPARE(text.currentRow(), 17);
}

void TestAlgorithmInsertion::commandsBeforeEnd_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("enablesDebugging");

    QTest::newRow("step") << QStringLiteral("ШАГ") << true;
    QTest::newRow("jump") << QStringLiteral("ПРЫЖОК") << false;
    QTest::newRow("turn") << QStringLiteral("ПОВОРОТ") << false;
}

void TestAlgorithmInsertion::commandsBeforeEnd()
{
    QFETCH(QString, command);
    QFETCH(bool, enablesDebugging);

    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    const auto insert = [&] {
        if (command == AlgorithmKeyword::step)
            return insertion.insertStep();
        if (command == AlgorithmKeyword::jump)
            return insertion.insertJump();
        return insertion.insertTurn();
    };

    for (int press = 0; press < 3; ++press) {
        const EditOutcome outcome = insert();
        QVERIFY(outcome.changed);
        QCOMPARE(outcome.topRow, std::optional<int>(4 + press - halfVisible));
        QCOMPARE(outcome.statistics, StatisticsUpdate::Recount);
        QCOMPARE(outcome.enablesDebugging, enablesDebugging);
        QCOMPARE(outcome.focus, EditorFocus::Unchanged);
        QVERIFY(outcome.message.isEmpty());
    }
    QCOMPARE(text.count(), 8);
    for (int row = 4; row < 7; ++row)
        QCOMPARE(text.line(row), indented(4, command));
    QCOMPARE(text.line(7), QStringLiteral("КОН"));
    QCOMPARE(text.currentRow(), 7);
}

void TestAlgorithmInsertion::constructs_data()
{
    QTest::addColumn<bool>("branch");
    QTest::addColumn<WallCondition>("condition");
    QTest::addColumn<QStringList>("inserted");
    QTest::addColumn<int>("selectedOffset");
    QTest::addColumn<int>("scrollOffset");
    QTest::addColumn<EditorFocus>("focus");

    QTest::newRow("branch on a wall") << true << WallCondition::WallAhead
                                      << QStringList{indented(4, "ЕСЛИ впереди стена"), indented(7, "ТО"),
                                                     indented(7, "ИНАЧЕ"), indented(4, "ВСЁ")}
                                      << 2 << 3 << EditorFocus::IfButton;
    QTest::newRow("branch on no wall") << true << WallCondition::NoWallAhead
                                       << QStringList{indented(4, "ЕСЛИ впереди НЕ стена"), indented(7, "ТО"),
                                                      indented(7, "ИНАЧЕ"), indented(4, "ВСЁ")}
                                       << 2 << 3 << EditorFocus::IfButton;
    QTest::newRow("loop on a wall") << false << WallCondition::WallAhead
                                    << QStringList{indented(4, "ПОКА впереди стена"), indented(4, "НЦ"),
                                                   indented(4, "КЦ")}
                                    << 2 << 2 << EditorFocus::WhileButton;
    QTest::newRow("loop on no wall") << false << WallCondition::NoWallAhead
                                     << QStringList{indented(4, "ПОКА впереди НЕ стена"), indented(4, "НЦ"),
                                                    indented(4, "КЦ")}
                                     << 2 << 2 << EditorFocus::WhileButton;
}

void TestAlgorithmInsertion::constructs()
{
    QFETCH(bool, branch);
    QFETCH(WallCondition, condition);
    QFETCH(QStringList, inserted);
    QFETCH(int, selectedOffset);
    QFETCH(int, scrollOffset);
    QFETCH(EditorFocus, focus);

    // Deep in a long text, so that the scroll position is a real row.
    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, false);
    AlgorithmInsertion insertion(text, names, halfVisible);
    for (int i = 0; i < 20; ++i)
        insertion.insertJump();
    const int at = text.currentRow();
    const QStringList before = text.lines();

    const EditOutcome outcome = branch ? insertion.insertBranch(condition) : insertion.insertLoop(condition);

    QStringList expected = before;
    for (int k = 0; k < inserted.size(); ++k)
        expected.insert(at + k, inserted.at(k));
    QCOMPARE(text.lines(), expected);
    QCOMPARE(text.currentRow(), at + selectedOffset);
    QCOMPARE(outcome.topRow, std::optional<int>(at - halfVisible + scrollOffset));
    QCOMPARE(outcome.statistics, StatisticsUpdate::Recount);
    QCOMPARE(outcome.focus, focus);
    QVERIFY(!outcome.enablesDebugging);
}

void TestAlgorithmInsertion::commandInsideBranch()
{
    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    insertion.insertBranch(WallCondition::WallAhead);
    QCOMPARE(commandText(text.currentLine()), QStringLiteral("ИНАЧЕ"));

    insertion.insertStep();
    QCOMPARE(text.line(6), indented(11, "ШАГ"));
    QCOMPARE(text.line(5), indented(7, "ТО"));
    QCOMPARE(text.line(7), indented(7, "ИНАЧЕ"));
    QCOMPARE(text.currentRow(), 7);

    // Before "ВСЁ" a line joins the else-body.
    select(text, 8);
    insertion.insertJump();
    QCOMPARE(text.line(8), indented(11, "ПРЫЖОК"));
    QCOMPARE(text.line(9), indented(4, "ВСЁ"));
}

void TestAlgorithmInsertion::procedureCalls()
{
    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);

    EditOutcome outcome = insertion.enterNewProcedureName(QStringLiteral("круг"), ProcedurePanelMode::Call);
    QCOMPARE(text.lines().mid(4),
             (QStringList{indented(4, "ДЕЛАЙ круг"), "КОН", "ПРОЦЕДУРА круг", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(text.currentRow(), 5);
    QCOMPARE(names, QStringList{"круг"});
    QVERIFY(outcome.changed);
    QVERIFY(outcome.enablesDebugging);
    QVERIFY(outcome.closesProcedurePanel);
    QVERIFY(outcome.procedureNamesChanged);
    QCOMPARE(outcome.focus, EditorFocus::DoProcButton);
    QCOMPARE(outcome.statistics, StatisticsUpdate::Recount);
    QCOMPARE(outcome.topRow, std::optional<int>(5 - halfVisible));

    // The same name again, chosen from the list: only the call.
    outcome = insertion.chooseProcedure(QStringLiteral("круг"), ProcedurePanelMode::Call);
    QCOMPARE(text.lines().mid(4),
             (QStringList{indented(4, "ДЕЛАЙ круг"), indented(4, "ДЕЛАЙ круг"), "КОН", "ПРОЦЕДУРА круг",
                          "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(text.currentRow(), 6);
    QCOMPARE(names, QStringList{"круг"});
    QVERIFY(outcome.closesProcedurePanel);
    QVERIFY(!outcome.procedureNamesChanged);

    // A call inside the procedure's own body, at its indentation.
    select(text, 8);
    insertion.chooseProcedure(QStringLiteral("круг"), ProcedurePanelMode::Call);
    QCOMPARE(text.lines().mid(7),
             (QStringList{"ПРОЦЕДУРА круг", indented(4, "ДЕЛАЙ круг"), "КОНЕЦ ПРОЦЕДУРЫ"}));
}

void TestAlgorithmInsertion::procedureDescriptions()
{
    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    insertion.insertStep();

    EditOutcome outcome =
        insertion.enterNewProcedureName(QStringLiteral("а"), ProcedurePanelMode::Description);
    QCOMPARE(text.lines().mid(4), (QStringList{indented(4, "ШАГ"), "КОН", "ПРОЦЕДУРА а", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(text.currentRow(), 7);
    QCOMPARE(outcome.topRow, std::optional<int>(7 - halfVisible));
    QCOMPARE(outcome.focus, EditorFocus::ProcButton);
    QVERIFY(outcome.closesProcedurePanel);
    QVERIFY(outcome.enablesDebugging);

    // A second description goes after the first, even with the cursor in the main body.
    select(text, 4);
    insertion.enterNewProcedureName(QStringLiteral("б"), ProcedurePanelMode::Description);
    QCOMPARE(text.lines().mid(6),
             (QStringList{"ПРОЦЕДУРА а", "КОНЕЦ ПРОЦЕДУРЫ", "ПРОЦЕДУРА б", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(text.currentRow(), 9);
    QCOMPARE(names, (QStringList{"а", "б"}));

    // A listed name chosen for a description is always refused; the panel stays open.
    const QStringList before = text.lines();
    outcome = insertion.chooseProcedure(QStringLiteral("а"), ProcedurePanelMode::Description);
    QCOMPARE(outcome.message, QStringLiteral("Процедура с именем а уже описана"));
    QVERIFY(!outcome.changed);
    QVERIFY(!outcome.closesProcedurePanel);
    QVERIFY(outcome.enablesDebugging);
    QCOMPARE(outcome.statistics, StatisticsUpdate::None);
    QCOMPARE(text.lines(), before);
    QCOMPARE(text.currentRow(), 9);
    QCOMPARE(names, (QStringList{"а", "б"}));
}

void TestAlgorithmInsertion::newProcedureNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QString accepted;
    QTest::newRow("empty") << QString() << QStringLiteral("Введите имя новой процедуры");
    QTest::newRow("digit first") << QStringLiteral("1угол")
                                 << QStringLiteral("Имя процедуры должно начинаться с буквы");
    QTest::newRow("nine first") << QStringLiteral("9")
                                << QStringLiteral("Имя процедуры должно начинаться с буквы");
    QTest::newRow("known") << QStringLiteral("угол") << QStringLiteral("Процедура с именем угол уже описана");
    QTest::newRow("known with blanks")
        << QStringLiteral("два шага") << QStringLiteral("Процедура с именем два шага уже описана");
    QTest::newRow("other case") << QStringLiteral("Угол") << accepted;
    QTest::newRow("all capitals") << QStringLiteral("УГОЛ") << accepted;
    QTest::newRow("blank first") << QStringLiteral(" угол") << accepted;
    QTest::newRow("underscore first") << QStringLiteral("_1") << accepted;
    QTest::newRow("latin") << QStringLiteral("corner") << accepted;
    QTest::newRow("digits after") << QStringLiteral("угол90") << accepted;
    QTest::newRow("known plus blank") << QStringLiteral("угол ") << accepted;
}

void TestAlgorithmInsertion::newProcedureNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);

    const QStringList known{QStringLiteral("угол"), QStringLiteral("два шага")};
    QCOMPARE(newProcedureNameError(name, known).value_or(QString()), message);

    // Through the editor: an accepted name becomes a new description.
    AlgorithmText text;
    QStringList names = known;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    const EditOutcome outcome = insertion.enterNewProcedureName(name, ProcedurePanelMode::Description);
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.changed, message.isEmpty());
    QCOMPARE(names.size(), message.isEmpty() ? 3 : 2);
    if (message.isEmpty())
        QCOMPARE(text.line(5), QStringLiteral("ПРОЦЕДУРА ") + name);
}

void TestAlgorithmInsertion::nameListWraps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("previous");

    QTest::newRow("first of three") << 0 << 3 << 1 << 2;
    QTest::newRow("middle") << 1 << 3 << 2 << 0;
    QTest::newRow("last of three") << 2 << 3 << 0 << 1;
    QTest::newRow("only name") << 0 << 1 << 0 << 0;
    QTest::newRow("none selected") << -1 << 3 << 0 << 2;
    QTest::newRow("empty list") << -1 << 0 << -1 << -1;
}

void TestAlgorithmInsertion::nameListWraps()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(int, next);
    QFETCH(int, previous);

    QCOMPARE(nextNameRow(row, count), next);
    QCOMPARE(previousNameRow(row, count), previous);
}

void TestAlgorithmInsertion::refusedNamesLeaveTextAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ProcedurePanelMode>("mode");

    QTest::newRow("empty call") << QString() << ProcedurePanelMode::Call;
    QTest::newRow("digit call") << QStringLiteral("2") << ProcedurePanelMode::Call;
    QTest::newRow("known call") << QStringLiteral("угол") << ProcedurePanelMode::Call;
    QTest::newRow("known description") << QStringLiteral("угол") << ProcedurePanelMode::Description;
}

void TestAlgorithmInsertion::refusedNamesLeaveTextAlone()
{
    QFETCH(QString, name);
    QFETCH(ProcedurePanelMode, mode);

    AlgorithmText text;
    QStringList names;
    buildLoopBranchAndProcedure(text, names);
    select(text, 6);
    const QStringList before = text.lines();

    AlgorithmInsertion insertion(text, names, halfVisible);
    const EditOutcome outcome = insertion.enterNewProcedureName(name, mode);
    QVERIFY(!outcome.message.isEmpty());
    QVERIFY(!outcome.changed);
    QVERIFY(!outcome.closesProcedurePanel);
    QVERIFY(!outcome.procedureNamesChanged);
    QCOMPARE(outcome.statistics, StatisticsUpdate::None);
    QCOMPARE(text.lines(), before);
    QCOMPARE(text.currentRow(), 6);
    QCOMPARE(names, QStringList{"угол"});
}

void TestAlgorithmInsertion::closedProcedurePanelInsertsNothing()
{
    AlgorithmText text;
    QStringList names{QStringLiteral("угол")};
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);

    const EditOutcome outcome = insertion.chooseProcedure(QStringLiteral("угол"), ProcedurePanelMode::None);
    QCOMPARE(text.lines(), algorithmSkeleton(true));
    QVERIFY(!outcome.changed);
    QCOMPARE(outcome.statistics, StatisticsUpdate::Recount);
    QVERIFY(outcome.enablesDebugging);

    // A new name entered with the panel closed must not leave a name without its description.
    const EditOutcome entered =
        insertion.enterNewProcedureName(QStringLiteral("круг"), ProcedurePanelMode::None);
    QCOMPARE(text.lines(), algorithmSkeleton(true));
    QCOMPARE(names, QStringList{QStringLiteral("угол")});
    QVERIFY(!entered.changed);
}

void TestAlgorithmInsertion::blankLine()
{
    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    insertion.insertLoop(WallCondition::WallAhead);

    const EditOutcome outcome = insertion.insertBlankLine();
    QCOMPARE(text.line(6), QString());
    QCOMPARE(text.line(7), indented(4, "КЦ"));
    QCOMPARE(text.currentRow(), 7);
    QVERIFY(outcome.changed);
    QVERIFY(!outcome.topRow);
    QCOMPARE(outcome.statistics, StatisticsUpdate::None);
    QVERIFY(!outcome.enablesDebugging);

    // A line inserted before a blank line starts in column 0.
    select(text, 6);
    insertion.insertStep();
    QCOMPARE(text.line(6), QStringLiteral("ШАГ"));
}

void TestAlgorithmInsertion::comments_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("line");

    QTest::newRow("word") << QStringLiteral("обход стены") << QStringLiteral("//обход стены");
    QTest::newRow("empty") << QString() << QStringLiteral("//");
    QTest::newRow("blank first") << QStringLiteral(" шаг") << QStringLiteral("// шаг");
}

void TestAlgorithmInsertion::comments()
{
    QFETCH(QString, entered);
    QFETCH(QString, line);

    AlgorithmText text;
    QStringList names;
    buildAlgorithmSkeleton(text, true);
    AlgorithmInsertion insertion(text, names, halfVisible);
    insertion.insertBranch(WallCondition::NoWallAhead);
    insertion.insertStep();
    select(text, 6); // the step, 11 blanks deep

    const EditOutcome outcome = insertion.insertComment(entered);
    QCOMPARE(text.line(6), line);
    QCOMPARE(text.line(7), indented(11, "ШАГ"));
    QCOMPARE(text.currentRow(), 7);
    QCOMPARE(outcome.topRow, std::optional<int>(6 - halfVisible));
    QCOMPARE(outcome.statistics, StatisticsUpdate::None);
    QVERIFY(outcome.changed);
}

void TestAlgorithmInsertion::nothingWithoutCurrentLine_data()
{
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("short loaded file") << QStringList{"АЛГОРИТМ ПУТЬ_0", "НАЧ", "КОН"};
    QTest::newRow("empty file") << QStringList{};
}

void TestAlgorithmInsertion::nothingWithoutCurrentLine()
{
    QFETCH(QStringList, lines);

    AlgorithmText text;
    QStringList names;
    text.setLines(lines);
    QCOMPARE(text.currentRow(), -1);
    AlgorithmInsertion insertion(text, names, halfVisible);

    const EditOutcome outcomes[] = {
        insertion.insertStep(),
        insertion.insertJump(),
        insertion.insertTurn(),
        insertion.insertBranch(WallCondition::WallAhead),
        insertion.insertLoop(WallCondition::NoWallAhead),
        insertion.chooseProcedure(QStringLiteral("п"), ProcedurePanelMode::Call),
        insertion.enterNewProcedureName(QStringLiteral("п"), ProcedurePanelMode::Description),
        insertion.enterNewProcedureName(QStringLiteral("ф"), ProcedurePanelMode::Call),
        insertion.insertBlankLine(),
        insertion.insertComment(QStringLiteral("x")),
    };
    for (const EditOutcome &outcome : outcomes) {
        QVERIFY(!outcome.changed);
        QVERIFY(!outcome.enablesDebugging);
        QCOMPARE(outcome.statistics, StatisticsUpdate::None);
        QVERIFY(outcome.message.isEmpty());
    }
    QCOMPARE(text.lines(), lines);
    QCOMPARE(text.currentRow(), -1);
    QVERIFY(names.isEmpty());
}

QTEST_APPLESS_MAIN(TestAlgorithmInsertion)

#include "tst_algorithminsertion.moc"
