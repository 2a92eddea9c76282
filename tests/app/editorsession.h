#pragma once

#include "app/editing/algorithmmenu.h"
#include "app/editing/editorcontroller.h"
#include "app/editing/files/algorithmfiledialogs.h"
#include "app/editing/panels/commentpanel.h"
#include "app/editing/panels/conditionpanel.h"
#include "app/editing/panels/procedurenamelist.h"
#include "app/editing/panels/procedurepanel.h"
#include "app/work/worktools.h"
#include "app/work/workwindow.h"
#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include "app/guihelpers.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// File dialogs that answer with names set beforehand; an empty name is a cancel.
class ScriptedDialogs : public AlgorithmFileDialogs
{
public:
    QString saveName;
    QString openName;
    int saveAsked = 0;
    int openAsked = 0;

    QString saveFileName(QWidget *) override
    {
        ++saveAsked;
        return saveName;
    }
    QString openFileName(QWidget *) override
    {
        ++openAsked;
        return openName;
    }
};

// A work window with its editor, in "Разработка" (or the stage given) on the bare skeleton
// with "КОН" selected, as after opening a task and entering the stage. The pupil's actions
// go through keys, clicks and the panels' own controls.
class EditorSession
{
public:
    explicit EditorSession(bool hasPointB = true, WorkStage stage = WorkStage::Development)
        : window(10)
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        editor = attachEditor(window, std::move(scripted));
        window.show();
        QApplication::setActiveWindow(&window);
        activated = QTest::qWaitForWindowActive(&window);
        TaskData task;
        task.hasPointB = hasPointB;
        window.session().begin();
        window.session().openTask(task);
        if (stage != WorkStage::Begin)
            control<QAction>(window, "NMainWork")->trigger();
        if (stage == WorkStage::Debugging)
            window.session().enterDebugging();
        list()->setFocus();
    }

    WorkWindow window;
    EditorController *editor = nullptr;
    ScriptedDialogs *dialogs = nullptr;
    bool activated = false;

    AlgorithmText &text() { return window.session().algorithm(); }
    QListView *list() const { return control<QListView>(window, "lstCom"); }
    QStringList lines() { return text().lines(); }
    int currentRow() { return text().currentRow(); }
    QStringList statistics() const { return window.session().statistics(); }
    ProcedureNameList *names() { return control<ProcedureNameList>(window, "ListBoxProc"); }
    QString selectedName()
    {
        const QList<QListWidgetItem *> selected = names()->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text();
    }
    QLineEdit *newName() { return control<QLineEdit>(window, "EditNewProc"); }

    QWidget *focus() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), key, modifiers);
    }
    void type(const QString &typed) { typeText(focus(), typed); }

    QPoint rowCentre(int row)
    {
        list()->scrollTo(text().index(row, 0));
        return list()->visualRect(text().index(row, 0)).center();
    }
    // A left click on a row of the algorithm list.
    void clickRow(int row) { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    // Opens the context menu over a row, as a right click does.
    void openMenuAt(int row)
    {
        const QPoint at = rowCentre(row);
        QTest::mousePress(list()->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list()->viewport(), &event);
        QTest::mouseRelease(list()->viewport(), Qt::RightButton, {}, at);
    }
    ConditionPanel *panelIf() const { return control<ConditionPanel>(window, "PanelIf"); }
    ConditionPanel *panelWhile() const { return control<ConditionPanel>(window, "PanelWhile"); }
    ProcedurePanel *panelProc() const { return control<ProcedurePanel>(window, "PanelProc"); }
    CommentPanel *panelComment() const { return control<CommentPanel>(window, "PanelComment"); }
    AlgorithmMenu *comMenu() const { return control<AlgorithmMenu>(window, "ComMenu"); }
    // An item of the context menu by its object name.
    QAction *menuItem(const char *name) const { return control<QAction>(*comMenu(), name); }
    // Chooses a context-menu item for the current line, as the pupil does.
    void menu(QAction *item)
    {
        openMenuAt(currentRow());
        const bool enabled = item->isEnabled();
        comMenu()->hide();
        if (enabled)
            item->trigger();
    }
    // Selects a row as an operation would, without the selection rule.
    void select(int row) { text().setCurrentRow(row); }
    int topRow() { return list()->indexAt(QPoint(2, 2)).row(); }

    // Enters a new procedure name through the panel opened by F5 or F6.
    void enterNewName(Qt::Key panelKey, const QString &name)
    {
        key(panelKey);
        newName()->setFocus();
        type(name);
        QTest::keyClick(newName(), Qt::Key_Return);
    }

    // How many changes undo can take back: all of them undone and counted, then redone.
    int undoSteps() { return stepsThrough(&EditorController::undo, &EditorController::redo); }
    // How many undone changes redo can bring again, found the same way.
    int redoSteps() { return stepsThrough(&EditorController::redo, &EditorController::undo); }

private:
    int stepsThrough(void (EditorController::*go)(), void (EditorController::*back)())
    {
        const auto seen = [this] { return std::make_pair(lines(), names()->names()); };
        int steps = 0;
        for (auto before = seen();; ++steps) {
            (editor->*go)();
            const auto after = seen();
            if (after == before)
                break;
            before = after;
        }
        for (int i = 0; i < steps; ++i)
            (editor->*back)();
        return steps;
    }
};

// Rows as "<leading blanks>|<command text>", so that a wrong indentation is plain to see.
inline QStringList indentedRows(const QStringList &lines)
{
    QStringList rows;
    for (const QString &line : lines) {
        int blanks = 0;
        while (blanks < line.size() && line.at(blanks) == u' ')
            ++blanks;
        rows << QString::number(blanks) + u'|' + line.mid(blanks);
    }
    return rows;
}
