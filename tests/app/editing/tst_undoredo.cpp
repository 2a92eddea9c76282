#include "app/editing/edithistory.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmline.h"

#include "app/editorsession.h"

#include <QTemporaryDir>
#include <QToolButton>

#include <QAction>
#include <functional>

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
        {"blank line", stay, [&] { s.menu(s.editor->ComMenu->N5); }},
        {"comment", stay,
         [&] {
             s.menu(s.editor->ComMenu->N7);
             s.type(QStringLiteral("заметка"));
             s.key(Qt::Key_Return);
         }},
        {"Delete key", [&] { clickOn(s, ""); },
         [&] {
             s.list()->setFocus();
             s.key(Qt::Key_Delete);
         }},
        {"line", [&] { clickOn(s, "//заметка"); }, [&] { s.menu(s.editor->ComMenu->N1); }},
        {"loop deleted", [&] { clickOn(s, "ПОКА впереди НЕ стена"); },
         [&] { s.menu(s.editor->ComMenu->N3); }},
        {"else-branch", [&] { clickOn(s, "ИНАЧЕ"); }, [&] { s.menu(s.editor->ComMenu->N2); }},
        {"call deleted", [&] { clickOn(s, "ДЕЛАЙ к"); }, [&] { s.menu(s.editor->ComMenu->N1); }},
        {"procedure deleted", [&] { clickOn(s, "ПРОЦЕДУРА к"); }, [&] { s.menu(s.editor->ComMenu->N6); }},
        {"branch deleted", [&] { clickOn(s, "ЕСЛИ впереди стена"); }, [&] { s.menu(s.editor->ComMenu->N3); }},
        {"whole algorithm", stay, [&] { s.menu(s.editor->ComMenu->N4); }},
        {"F6 with a name", stay, [&] { s.enterNewName(Qt::Key_F6, QStringLiteral("п")); }},
        {"file", stay, [&] { s.menu(s.editor->ComMenu->N11); }},
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
    QCOMPARE(s.editor->history().undoCount(), steps.size());
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
    QCOMPARE(s.editor->history().redoCount(), 1);
    s.key(Qt::Key_F4);
    QCOMPARE(s.editor->history().redoCount(), 0);
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
    s.menu(s.editor->ComMenu->N11);
    QCOMPARE(s.lines().at(1), QStringLiteral("x"));
    QVERIFY(s.names()->names().isEmpty());
    s.list()->setFocus();
    undoKey(s);
    COMPARE_STATE(state(s), before);
    QCOMPARE(s.editor->procedureNames(), QStringList{"вперёд"});
    // The restored text is not the one last loaded.
    QVERIFY(s.editor->isModified());
}

void TestUndoRedo::onlyWhileEditing()
{
    EditorSession s;
    s.key(Qt::Key_F2);
    s.window.nMainDebugClick();
    const EditorSnapshot edited = state(s);
    QTest::keyClick(&s.window, Qt::Key_Z, Qt::ControlModifier);
    s.editor->undo();
    COMPARE_STATE(state(s), edited);

    // Nor during a run, whatever reaches the editor.
    bool ran = false;
    s.window.setRunHandler([&] {
        ran = true;
        s.window.applyStage(WorkStage::Development);
        s.editor->undo();
        s.window.applyStage(WorkStage::Debugging);
    });
    control<QToolButton>(s.window, "FixToolButtonResult")->click();
    QVERIFY(ran);
    COMPARE_STATE(state(s), edited);

    s.window.nMainWorkClick();
    s.list()->setFocus();
    undoKey(s);
    QCOMPARE(s.lines(), algorithmSkeleton(true));
}

void TestUndoRedo::manySteps()
{
    EditorSession s;
    const int steps = 1200;
    for (int i = 0; i < steps; ++i)
        s.editor->panelCommand(i % 2 ? PanelCommand::Turn : PanelCommand::Step);
    QCOMPARE(s.lines().size(), 5 + steps);
    QCOMPARE(s.editor->history().undoCount(), steps);
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
    QCOMPARE(history.undoCount(), 3);
    // The oldest steps went; the newest come back first.
    QCOMPARE(history.undo()->currentRow, 4);
    QCOMPARE(history.undo()->currentRow, 3);
    QCOMPARE(history.undo()->currentRow, 2);
    QVERIFY(!history.undo());
    QCOMPARE(history.redoCount(), 3);
    QCOMPARE(history.redo()->currentRow, 12);
    QCOMPARE(history.redo()->currentRow, 13);
    QCOMPARE(history.undoCount(), 2);
    history.record(snapshot(7), snapshot(8));
    QCOMPARE(history.redoCount(), 0);
    QVERIFY(!history.redo());
    QVERIFY(EditHistory().maxSteps() >= 1000);
}

void TestUndoRedo::selectionAloneIsNoStep()
{
    EditorSession s;
    s.key(Qt::Key_F2);
    s.clickRow(4);
    s.menu(s.editor->ComMenu->N2); // disabled on a command: nothing happens
    s.menu(s.editor->ComMenu->N7);
    s.clickRow(5); // leaves the comment field: no comment
    QCOMPARE(s.editor->history().undoCount(), 1);
    s.list()->setFocus();
    undoKey(s);
    QCOMPARE(s.lines(), algorithmSkeleton(true));
    // The selected line comes back as it was before the undone change.
    QCOMPARE(s.currentRow(), 4);
}

QTEST_MAIN(TestUndoRedo)
#include "tst_undoredo.moc"
