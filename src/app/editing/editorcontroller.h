#pragma once

#include "app/editing/edithistory.h"
#include "app/editing/files/algorithmfileactions.h"
#include "app/editing/files/algorithmfiledialogs.h"
#include "app/editing/panels/panelcommand.h"
#include "editor/algorithmdeletion.h"
#include "editor/algorithminsertion.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class AlgorithmListView;
class AlgorithmMenu;
class AlgorithmText;
class CommandPanel;
class CommentPanel;
class ConditionPanel;
class ProcedurePanel;
class QAction;
class WorkSession;

// The structured editor of the work window: the command panel's actions, the condition,
// procedure and comment panels, the context menu of the algorithm list with its
// deletions and files, the selection rule, and undo and redo. The editing rules live
// in the core; this class asks them for each change of the session's algorithm and shows
// what they decided. Its panels stand beside the command panel; `debuggingItem` is the
// menu item an edit offers; `window` holds the shortcuts and the questions on closing.
class EditorController : public QObject
{
    Q_OBJECT

public:
    EditorController(WorkSession &session, CommandPanel &commands, AlgorithmListView &list,
                     QAction &debuggingItem, QWidget &window,
                     std::unique_ptr<AlgorithmFileDialogs> dialogs = {});
    ~EditorController() override;

    // The text differs from the one last saved or loaded (or, before that, from the
    // one the task started with).
    bool isModified() const;

public slots:
    // A command of the command panel, by its button or its function key.
    void panelCommand(PanelCommand command);
    // Esc closes the panels.
    void closePanelsByEscape();
    // The selection rule, for a row the pupil selected.
    void lstComClick(int row);
    void lstComDeleteKey();
    // Opens the context menu at a screen position, its items enabled for the current line.
    void comMenuPopup(const QPoint &globalPosition);
    // Sets which items of the context menu are enabled for the current line.
    void updateComMenu();

    void deleteLine();           // "Удалить строку"
    void deleteConstruct();      // "Удалить конструкцию"
    void deleteElseBranch();     // "Удалить ветвь ИНАЧЕ"
    void deleteProcedure();      // "Удалить процедуру"
    void deleteWholeAlgorithm(); // "Удалить тело алгоритма "
    void insertBlankLine();      // "Вставить пустую строку"
    void openCommentPanel();     // "Вставить комментарии"
    // "Сохранить алгоритм в файле"; whether the algorithm was written.
    bool saveAlgorithm();
    // "Загрузить алгоритм из файла".
    void loadAlgorithm();

    void undo();
    void redo();
    // A new algorithm replaced the text (a new task, a reset): nothing to undo, nothing
    // unsaved, no procedure names.
    void startNewAlgorithm();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPanels();
    void connectWindow();
    void developmentEntered();
    QPoint besideCommand(PanelCommand command) const;
    void focusAlgorithm();
    void openConditionPanel(ConditionPanel *panel, PanelCommand command);
    void openProcedurePanel(PanelCommand command);
    void closeProcedurePanel();
    // Every panel of the editor closed, as at the start of a run.
    void closePanels();
    ProcedurePanelMode procedurePanelMode() const;
    void chooseProcedureName(const QString &name, bool byEnter);
    void enterNewProcedureName(const QString &name);
    void insertComment(const QString &text);

    // Runs one edit, records it as an undo step when it changed the text or the
    // procedure names, and shows its outcome.
    template<typename Edit>
    EditOutcome edit(Edit &&change);
    void apply(const EditOutcome &outcome);
    void scrollToTop(int row);
    void showProcedureNames(bool keepSelection = true);

    EditorSnapshot snapshot() const;
    void restore(const EditorSnapshot &state);
    bool undoAllowed() const;
    // The pupil closes the window: false when the close is to be refused.
    bool allowClose();

    WorkSession &m_session;
    CommandPanel &m_commands;
    AlgorithmListView &m_list;
    QAction &m_debuggingItem;
    QWidget &m_window;
    AlgorithmText &m_text;
    // The panels and the context menu belong to the window, which finds them by name.
    ConditionPanel *m_panelIf = nullptr;
    ConditionPanel *m_panelWhile = nullptr;
    ProcedurePanel *m_panelProc = nullptr;
    CommentPanel *m_panelComment = nullptr;
    AlgorithmMenu *m_comMenu = nullptr;
    QStringList m_procedureNames;
    // What the open procedure panel serves; None while it is closed.
    ProcedurePanelMode m_procedureMode = ProcedurePanelMode::None;
    AlgorithmInsertion m_insertion;
    AlgorithmDeletion m_deletion;
    AlgorithmFileActions m_files;
    EditHistory m_history;
    // Set while the editor itself replaces the text, so that only other replacements
    // (a new task, a reset) start a new history.
    bool m_replacingText = false;
    QStringList m_savedLines;
};
