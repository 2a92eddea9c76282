#include "app/editing/edithistory.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmline.h"

#include "app/editorsession.h"

#include <QTemporaryDir>
#include <QToolButton>

#include <QAction>
#include <functional>

using namespace Qt::StringLiterals;

class TestUndoRedo : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfChange();
    void newChangeDropsRedo();
    void undoAfterLoading();
    void onlyWhileEditing();
    void manySteps();
    void historyLimit();
    void exactStates_data();
    void exactStates();
    void boundedMemory_data();
    void boundedMemory();
    void selectionAloneIsNoStep();

private:
    QTemporaryDir m_dir;
};

namespace {

EditorSnapshot state(EditorSession &s)
{
    return {s.lines(), s.currentRow(), s.names()->names(), s.statistics(),
            control<QAction>(s.window, "NMainDebug")->isEnabled()};
}

int rowOf(EditorSession &s, const QString &text)
{
    const QStringList lines = s.lines();
    for (int row = 0; row < lines.size(); ++row) {
        if (commandText(lines.at(row)) == text)
            return row;
    }
    return -1;
}

void clickOn(EditorSession &s, const QString &text)
{
    const int row = rowOf(s, text);
    QVERIFY2(row >= 0, qPrintable(text));
    s.clickRow(row);
    QCOMPARE(commandText(s.text().currentLine()), text);
}

void undoKey(EditorSession &s)
{
    QTest::keyClick(s.list(), Qt::Key_Z, Qt::ControlModifier);
}

void redoKey(EditorSession &s, int variant)
{
    if (variant % 2 == 0)
        QTest::keyClick(s.list(), Qt::Key_Y, Qt::ControlModifier);
    else
        QTest::keyClick(s.list(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

QString describe(const EditorSnapshot &snapshot)
{
    return QStringLiteral("row %1, names [%2], debugging %3, lines:\n%4")
        .arg(snapshot.currentRow)
        .arg(snapshot.procedureNames.join(u','))
        .arg(snapshot.debuggingEnabled)
        .arg(indentedRows(snapshot.lines).join(u'\n'));
}

#define COMPARE_STATE(actual, expected)                                                                      \
    do {                                                                                                     \
        const EditorSnapshot a = (actual);                                                                   \
        const EditorSnapshot e = (expected);                                                                 \
        QVERIFY2(a == e, qPrintable(QStringLiteral("got ") + describe(a) + "\nwanted " + describe(e)));      \
    } while (false)

} // namespace

void TestUndoRedo::everyKindOfChange()
{
    EditorSession s;
    const QString loaded = m_dir.filePath(QStringLiteral("loaded.txt"));
    QVERIFY(
        writeAlgorithmFile(loaded, algorithmSkeleton(false) + QStringList{"ПРОЦЕДУРА з", "КОНЕЦ ПРОЦЕДУРЫ"})
            .isEmpty());
    s.dialogs->openName = loaded;

    using Action = std::function<void()>;
    const Action stay = [] {};
    struct Step
    {
        QString name;
        Action select; // the pupil's choice of the line, no change of the text
        Action change;
    };
    const QList<Step> steps{
        {"ШАГ", stay, [&] { s.key(Qt::Key_F2); }},
        {"ПРЫЖОК", stay, [&] { s.key(Qt::Key_F3); }},
        {"branch", stay,
         [&] {
             s.key(Qt::Key_F7);
             s.key(Qt::Key_Return);
         }},
        {"ПОВОРОТ", stay, [&] { s.key(Qt::Key_F4); }},
        {"loop", [&] { clickOn(s, "КОН"); },
         [&] {
             s.key(Qt::Key_F8);
             s.key(Qt::Key_Down);
             s.key(Qt::Key_Return);
         }},
        {"description", stay, [&] { s.enterNewName(Qt::Key_F5, QStringLiteral("п")); }},
        {"command in the description", stay, [&] { s.key(Qt::Key_F4); }},
        {"call from the list", [&] { clickOn(s, "КОН"); },
         [&] {
             s.key(Qt::Key_F6);
             s.key(Qt::Key_Return);
         }},
        {"call of a new name", stay, [&] { s.enterNewName(Qt::Key_F6, QStringLiteral("к")); }},
        {"blank line", stay, [&] { s.menu(s.menuItem("N5")); }},
        {"comment", stay,
         [&] {
             s.menu(s.menuItem("N7"));
             s.type(QStringLiteral("заметка"));
             s.key(Qt::Key_Return);
         }},
        {"Delete key", [&] { clickOn(s, ""); },
         [&] {
             s.list()->setFocus();
             s.key(Qt::Key_Delete);
         }},
        {"line", [&] { clickOn(s, "//заметка"); }, [&] { s.menu(s.menuItem("N1")); }},
        {"loop deleted", [&] { clickOn(s, "ПОКА впереди НЕ стена"); }, [&] { s.menu(s.menuItem("N3")); }},
        {"else-branch", [&] { clickOn(s, "ИНАЧЕ"); }, [&] { s.menu(s.menuItem("N2")); }},
        {"call deleted", [&] { clickOn(s, "ДЕЛАЙ к"); }, [&] { s.menu(s.menuItem("N1")); }},
        {"procedure deleted", [&] { clickOn(s, "ПРОЦЕДУРА к"); }, [&] { s.menu(s.menuItem("N6")); }},
        {"branch deleted", [&] { clickOn(s, "ЕСЛИ впереди стена"); }, [&] { s.menu(s.menuItem("N3")); }},
        {"whole algorithm", stay, [&] { s.menu(s.menuItem("N4")); }},
        {"F6 with a name", stay, [&] { s.enterNewName(Qt::Key_F6, QStringLiteral("п")); }},
        {"file", stay, [&] { s.menu(s.menuItem("N11")); }},
    };

    // As a fresh task would leave it: "Отладка" off until the first ШАГ.
    control<QAction>(s.window, "NMainDebug")->setEnabled(false);
    QList<EditorSnapshot> before;
    QList<EditorSnapshot> after;
    for (const Step &step : steps) {
        step.select();
        before << state(s);
        step.change();
        after << state(s);
        QVERIFY2(after.last().lines != before.last().lines, qPrintable(step.name + " changed nothing"));
    }
    QCOMPARE(s.undoSteps(), steps.size());
    QCOMPARE(s.lines(), algorithmSkeleton(false) + (QStringList{"ПРОЦЕДУРА з", "КОНЕЦ ПРОЦЕДУРЫ"}));

    s.list()->setFocus();
    for (int i = steps.size() - 1; i >= 0; --i) {
        undoKey(s);
        COMPARE_STATE(state(s), before.at(i));
        QCOMPARE(s.list()->currentIndex().row(), before.at(i).currentRow);
    }
    // Nothing more to undo.
    undoKey(s);
    COMPARE_STATE(state(s), before.first());
    QVERIFY(!control<QAction>(s.window, "NMainDebug")->isEnabled());

    for (int i = 0; i < steps.size(); ++i) {
        redoKey(s, i);
        COMPARE_STATE(state(s), after.at(i));
    }
    redoKey(s, 0);
    COMPARE_STATE(state(s), after.last());
    QVERIFY(control<QAction>(s.window, "NMainDebug")->isEnabled());
}

void TestUndoRedo::newChangeDropsRedo()
{
    EditorSession s;
    s.key(Qt::Key_F2);
    s.key(Qt::Key_F3);
    const EditorSnapshot afterStep = [&] {
        undoKey(s);
        return state(s);
    }();
    QCOMPARE(s.lines().at(4), QStringLiteral("    ШАГ"));
    QCOMPARE(s.redoSteps(), 1);
    s.key(Qt::Key_F4);
    QCOMPARE(s.redoSteps(), 0);
    const EditorSnapshot afterTurn = state(s);
    redoKey(s, 0);
    COMPARE_STATE(state(s), afterTurn);
    undoKey(s);
    COMPARE_STATE(state(s), afterStep);
}

void TestUndoRedo::undoAfterLoading()
{
    EditorSession s;
    s.enterNewName(Qt::Key_F6, QStringLiteral("вперёд"));
    s.key(Qt::Key_F2);
    const EditorSnapshot before = state(s);
    const QString file = m_dir.filePath(QStringLiteral("other.txt"));
    QVERIFY(writeAlgorithmFile(file, {"АЛГОРИТМ ПУТЬ_0", "x", "y", "НАЧ", "КОН"}).isEmpty());
    s.dialogs->openName = file;
    s.menu(s.menuItem("N11"));
    QCOMPARE(s.lines().at(1), QStringLiteral("x"));
    QVERIFY(s.names()->names().isEmpty());
    s.list()->setFocus();
    undoKey(s);
    COMPARE_STATE(state(s), before);
    QCOMPARE(s.names()->names(), QStringList{"вперёд"});
    // The restored text is not the one last loaded.
    QVERIFY(s.editor->isModified());
}

void TestUndoRedo::onlyWhileEditing()
{
    EditorSession s;
    s.key(Qt::Key_F2);
    control<QAction>(s.window, "NMainDebug")->trigger();
    const EditorSnapshot edited = state(s);
    QTest::keyClick(&s.window, Qt::Key_Z, Qt::ControlModifier);
    s.editor->undo();
    COMPARE_STATE(state(s), edited);

    // Nor during a run, whatever reaches the editor.
    control<QToolButton>(s.window, "FixToolButtonDo")->click();
    QVERIFY(s.window.session().isRunning());
    QVERIFY(!s.window.session().enterDevelopment());
    s.editor->undo();
    COMPARE_STATE(state(s), edited);
    s.window.session().stopRun();
    QTRY_VERIFY(!s.window.session().isRunning());

    control<QAction>(s.window, "NMainWork")->trigger();
    s.list()->setFocus();
    undoKey(s);
    QCOMPARE(s.lines(), algorithmSkeleton(true));
}

void TestUndoRedo::manySteps()
{
    EditorSession s;
    const int steps = 1200;
    for (int i = 0; i < steps; ++i)
        s.key(i % 2 ? Qt::Key_F4 : Qt::Key_F2);
    QCOMPARE(s.lines().size(), 5 + steps);
    QCOMPARE(s.undoSteps(), steps);
    for (int i = 0; i < steps; ++i)
        s.editor->undo();
    QCOMPARE(s.lines(), algorithmSkeleton(true));
    QCOMPARE(s.currentRow(), 4);
    QCOMPARE(s.statistics(), resetStatistics());
    for (int i = 0; i < steps; ++i)
        s.editor->redo();
    QCOMPARE(s.lines().size(), 5 + steps);
    QCOMPARE(s.statistics(), updateStatistics(s.lines()));
}

void TestUndoRedo::historyLimit()
{
    EditHistory history(3);
    auto snapshot = [](int row) {
        EditorSnapshot state;
        state.currentRow = row;
        return state;
    };
    for (int row = 0; row < 5; ++row)
        history.record(snapshot(row), snapshot(row + 10));
    // The oldest steps went; the newest come back first.
    QCOMPARE(history.undo()->currentRow, 4);
    QCOMPARE(history.undo()->currentRow, 3);
    QCOMPARE(history.undo()->currentRow, 2);
    QVERIFY(!history.undo());
    QCOMPARE(history.redo()->currentRow, 12);
    QCOMPARE(history.redo()->currentRow, 13);
    history.record(snapshot(7), snapshot(8));
    QVERIFY(!history.redo());
    // Two steps redone and the new one: three to undo, the newest first.
    QCOMPARE(history.undo()->currentRow, 7);
    QCOMPARE(history.undo()->currentRow, 3);
    QCOMPARE(history.undo()->currentRow, 2);
    QVERIFY(!history.undo());
}

void TestUndoRedo::exactStates_data()
{
    // Each row: the texts one after another; a state given twice in a row is a change
    // made outside the history (the next step starts from a text the last did not leave).
    QTest::addColumn<QList<QStringList>>("texts");
    const QStringList base{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("insert") << QList<QStringList>{base,
                                                  {u"a"_s, u"x"_s, u"b"_s, u"c"_s, u"d"_s},
                                                  {u"y"_s, u"a"_s, u"x"_s, u"b"_s, u"c"_s, u"d"_s, u"z"_s}};
    QTest::newRow("delete") << QList<QStringList>{base, {u"a"_s, u"d"_s}, {u"d"_s}, {}};
    QTest::newRow("replace") << QList<QStringList>{
        base, {u"a"_s, u"B"_s, u"c"_s, u"d"_s}, {u"a"_s, u"B"_s, u"C"_s, u"D"_s}};
    QTest::newRow("whole text") << QList<QStringList>{base, {u"p"_s, u"q"_s}, base};
    QTest::newRow("repeated lines") << QList<QStringList>{
        {u"a"_s, u"a"_s, u"a"_s}, {u"a"_s, u"a"_s, u"a"_s, u"a"_s}, {u"a"_s}, {u"a"_s, u"b"_s, u"a"_s}};
    QTest::newRow("changed outside") << QList<QStringList>{
        base, {u"a"_s, u"b"_s}, {u"a"_s, u"b"_s}, {u"k"_s, u"a"_s, u"b"_s}, {u"k"_s}};
}

void TestUndoRedo::exactStates()
{
    QFETCH(QList<QStringList>, texts);
    EditHistory history;
    auto snapshot = [](const QStringList &lines, int row) {
        EditorSnapshot state;
        state.lines = lines;
        state.currentRow = row;
        state.statistics = {QString::number(row)};
        state.debuggingEnabled = row % 2;
        return state;
    };
    QList<std::pair<EditorSnapshot, EditorSnapshot>> steps;
    QStringList previous = texts.first();
    for (int i = 1; i < texts.size(); ++i) {
        if (texts.at(i) == texts.at(i - 1) && i + 1 < texts.size()) {
            // The text was changed outside: the next step begins from it.
            previous = texts.at(i);
            continue;
        }
        steps.append({snapshot(previous, 2 * i), snapshot(texts.at(i), 2 * i + 1)});
        previous = texts.at(i);
    }
    for (const auto &[before, after] : steps)
        history.record(before, after);
    for (qsizetype i = steps.size() - 1; i >= 0; --i)
        QCOMPARE(*history.undo(), steps.at(i).first);
    QVERIFY(!history.undo());
    for (const auto &[before, after] : steps)
        QCOMPARE(*history.redo(), after);
    QVERIFY(!history.redo());
    // Back and forth once more, from the middle.
    const qsizetype middle = steps.size() / 2;
    for (qsizetype i = steps.size() - 1; i >= middle; --i)
        QCOMPARE(*history.undo(), steps.at(i).first);
    QCOMPARE(*history.redo(), steps.at(middle).second);
}

void TestUndoRedo::boundedMemory_data()
{
    QTest::addColumn<int>("edits");
    QTest::addColumn<bool>("wholeText");
    // The byte limit in texts' worth of bytes; 0 for the default limit.
    QTest::addColumn<double>("limitInTexts");
    QTest::addColumn<int>("expectedSteps");
    QTest::newRow("one line per edit") << 100 << false << 0.0 << 100;
    // A step holds only its changed line: a hundred of them fit in a tenth of the text.
    QTest::newRow("one line per edit, a tenth of a text") << 100 << false << 0.1 << 100;
    // Each step holds two whole texts; the byte limit leaves room for two steps.
    QTest::newRow("whole text per edit") << 20 << true << 5.0 << 2;
    QTest::newRow("limit below one step") << 5 << true << 0.001 << 1;
}

void TestUndoRedo::boundedMemory()
{
    QFETCH(int, edits);
    QFETCH(bool, wholeText);
    QFETCH(double, limitInTexts);
    QFETCH(int, expectedSteps);
    // About a megabyte of text in short lines.
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines.append(u"   ШАГ %1 ......................"_s.arg(i));
    qsizetype textBytes = lines.size() * qsizetype(sizeof(QString));
    for (const QString &line : lines)
        textBytes += line.size() * 2;
    const qsizetype maxBytes =
        limitInTexts > 0 ? qsizetype(limitInTexts * double(textBytes)) : EditHistory::defaultMaxBytes;
    EditHistory history(EditHistory::defaultMaxSteps, maxBytes);
    QList<QStringList> texts{lines};
    for (int i = 0; i < edits; ++i) {
        EditorSnapshot before;
        before.lines = lines;
        if (wholeText) {
            for (QString &line : lines)
                line = i % 2 ? line.toUpper() : line.toLower();
        } else {
            lines[(i * 7919) % lines.size()] += u"!"_s;
        }
        EditorSnapshot after;
        after.lines = lines;
        history.record(before, after);
        texts.append(lines);
    }
    // What is kept still goes back exactly, newest first.
    for (int i = 0; i < expectedSteps; ++i)
        QCOMPARE(history.undo()->lines, texts.at(texts.size() - 2 - i));
    QVERIFY(!history.undo());
}

void TestUndoRedo::selectionAloneIsNoStep()
{
    EditorSession s;
    s.key(Qt::Key_F2);
    s.clickRow(4);
    s.menu(s.menuItem("N2")); // disabled on a command: nothing happens
    s.menu(s.menuItem("N7"));
    s.clickRow(5); // leaves the comment field: no comment
    QCOMPARE(s.undoSteps(), 1);
    s.list()->setFocus();
    undoKey(s);
    QCOMPARE(s.lines(), algorithmSkeleton(true));
    // The selected line comes back as it was before the undone change.
    QCOMPARE(s.currentRow(), 4);
}

QTEST_MAIN(TestUndoRedo)
#include "tst_undoredo.moc"
