#include "app/editing/editorcontroller.h"

#include "app/editing/algorithmlistview.h"
#include "app/editing/algorithmmenu.h"
#include "app/editing/editormessage.h"
#include "app/editing/panels/commandpanel.h"
#include "app/editing/panels/commentpanel.h"
#include "app/editing/panels/conditionpanel.h"
#include "app/editing/panels/procedurenamelist.h"
#include "app/editing/panels/procedurepanel.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmline.h"
#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "editor/contextmenustate.h"
#include "session/breakpoints.h"
#include "session/worksession.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <array>

EditorController::EditorController(WorkSession &session, CommandPanel &commands, AlgorithmListView &list,
                                   QAction &debuggingItem, QWidget &window,
                                   std::unique_ptr<AlgorithmFileDialogs> dialogs)
    : QObject(&window)
    , m_session(session)
    , m_commands(commands)
    , m_list(list)
    , m_debuggingItem(debuggingItem)
    , m_window(window)
    , m_text(session.algorithm())
    , m_insertion(m_text, m_procedureNames, halfVisibleLines(list.height()))
    , m_deletion(m_text, m_procedureNames)
    , m_files(std::move(dialogs))
    , m_savedLines(m_text.lines())
{
    setObjectName(QStringLiteral("editor"));
    createPanels();
    connectWindow();
}

EditorController::~EditorController() = default;

bool EditorController::isModified() const
{
    return m_text.lines() != m_savedLines;
}

void EditorController::createPanels()
{
    QWidget *client = m_commands.parentWidget();

    m_panelIf = ConditionPanel::createIfPanel(client);
    connect(m_panelIf, &ConditionPanel::conditionChosen, this, [this](WallCondition condition) {
        m_panelIf->hide();
        edit([&] { return m_insertion.insertBranch(condition); });
    });
    m_panelWhile = ConditionPanel::createWhilePanel(client);
    connect(m_panelWhile, &ConditionPanel::conditionChosen, this, [this](WallCondition condition) {
        m_panelWhile->hide();
        edit([&] { return m_insertion.insertLoop(condition); });
    });

    m_panelProc = new ProcedurePanel(client);
    connect(m_panelProc, &ProcedurePanel::nameChosen, this, &EditorController::chooseProcedureName);
    connect(m_panelProc, &ProcedurePanel::newNameEntered, this, &EditorController::enterNewProcedureName);
    connect(m_panelProc, &ProcedurePanel::escapePressed, this, [this] {
        closeProcedurePanel();
        m_commands.focusCommand(PanelCommand::DoProc);
    });

    m_panelComment = new CommentPanel(client);
    connect(m_panelComment, &CommentPanel::commentEntered, this, &EditorController::insertComment);

    m_comMenu = new AlgorithmMenu(&m_window);
    connect(m_comMenu, &QMenu::aboutToShow, this, &EditorController::updateComMenu);
    connect(m_comMenu, &AlgorithmMenu::deleteLineChosen, this, &EditorController::deleteLine);
    connect(m_comMenu, &AlgorithmMenu::deleteConstructChosen, this, &EditorController::deleteConstruct);
    connect(m_comMenu, &AlgorithmMenu::deleteElseBranchChosen, this, &EditorController::deleteElseBranch);
    connect(m_comMenu, &AlgorithmMenu::deleteProcedureChosen, this, &EditorController::deleteProcedure);
    connect(m_comMenu, &AlgorithmMenu::deleteWholeAlgorithmChosen, this,
            &EditorController::deleteWholeAlgorithm);
    connect(m_comMenu, &AlgorithmMenu::insertBlankLineChosen, this, &EditorController::insertBlankLine);
    connect(m_comMenu, &AlgorithmMenu::insertCommentChosen, this, &EditorController::openCommentPanel);
    connect(m_comMenu, &AlgorithmMenu::saveChosen, this, &EditorController::saveAlgorithm);
    connect(m_comMenu, &AlgorithmMenu::loadChosen, this, &EditorController::loadAlgorithm);
    connect(m_comMenu, &AlgorithmMenu::breakpointChosen, this,
            [this] { m_session.breakpoints().toggle(m_text.currentRow()); });
}

void EditorController::connectWindow()
{
    connect(&m_session, &WorkSession::developmentEntered, this, &EditorController::developmentEntered);
    // While a run is under way its panels could only cover the highlight.
    connect(&m_session, &WorkSession::runStarted, this, &EditorController::closePanels);
    // A new task starts a new algorithm: nothing to undo, nothing unsaved.
    connect(&m_session, &WorkSession::taskLoaded, this, &EditorController::startNewAlgorithm);
    connect(&m_list, &AlgorithmListView::rowSelectedByPupil, this, &EditorController::lstComClick);
    connect(&m_list, &AlgorithmListView::deleteKeyPressed, this, &EditorController::lstComDeleteKey);
    connect(&m_list, &AlgorithmListView::contextMenuRequested, this, &EditorController::comMenuPopup);
    connect(&m_text, &AlgorithmText::modelReset, this, [this] {
        if (!m_replacingText)
            startNewAlgorithm();
    });

    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Z)})
        new QShortcut(keys, &m_window, this, &EditorController::undo);
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        new QShortcut(keys, &m_window, this, &EditorController::redo);

    m_window.installEventFilter(this);
    for (QWidget *control : m_commands.controls())
        control->installEventFilter(this);
}

void EditorController::developmentEntered()
{
    // The stage enabled both procedure buttons; an open procedure panel keeps its purpose.
    if (m_panelProc->isVisible())
        m_commands.showProcedurePanelMode(m_procedureMode);
    // After a stopped run the highlight may rest where nothing may be inserted.
    if (m_text.hasCurrentLine())
        lstComClick(m_text.currentRow());
}

QPoint EditorController::besideCommand(PanelCommand command) const
{
    // Right of the command panel, level with the button, in the coordinates of its parent.
    return {m_commands.x() + m_commands.width(), m_commands.y() + m_commands.commandTop(command)};
}

void EditorController::focusAlgorithm()
{
    m_list.setFocus(Qt::OtherFocusReason);
}

void EditorController::closePanelsByEscape()
{
    if (m_panelProc->isVisible())
        closeProcedurePanel();
    m_panelIf->hide();
    m_panelWhile->hide();
}

void EditorController::panelCommand(PanelCommand command)
{
    // Outside "Разработка" the current line is where a run left its highlight, maybe a
    // header line, "НЦ" or "ТО": the command goes where a click on that line would put it.
    if (m_session.stage() != WorkStage::Development && m_text.hasCurrentLine())
        lstComClick(m_text.currentRow());
    switch (command) {
    case PanelCommand::Step: edit([this] { return m_insertion.insertStep(); }); break;
    case PanelCommand::Jump: edit([this] { return m_insertion.insertJump(); }); break;
    case PanelCommand::Turn: edit([this] { return m_insertion.insertTurn(); }); break;
    case PanelCommand::Proc:
    case PanelCommand::DoProc: openProcedurePanel(command); break;
    case PanelCommand::If: openConditionPanel(m_panelIf, command); break;
    case PanelCommand::While: openConditionPanel(m_panelWhile, command); break;
    }
}

void EditorController::openConditionPanel(ConditionPanel *panel, PanelCommand command)
{
    panel->openAt(besideCommand(command));
}

void EditorController::openProcedurePanel(PanelCommand command)
{
    m_procedureMode =
        command == PanelCommand::Proc ? ProcedurePanelMode::Description : ProcedurePanelMode::Call;
    // The button left enabled tells the pupil what the panel serves.
    m_commands.showProcedurePanelMode(m_procedureMode);
    m_panelProc->open();
}

void EditorController::closeProcedurePanel()
{
    m_panelProc->hide();
    m_procedureMode = ProcedurePanelMode::None;
    m_commands.showProcedurePanelMode(m_procedureMode);
}

void EditorController::closePanels()
{
    m_panelIf->hide();
    m_panelWhile->hide();
    // The procedure buttons keep what the stage gave them: closed by Esc, the panel would
    // enable both, which "Отладка" keeps off.
    m_panelProc->hide();
    m_procedureMode = ProcedurePanelMode::None;
    m_panelComment->closePanel();
}

ProcedurePanelMode EditorController::procedurePanelMode() const
{
    // Outside "Разработка" the command panel is off, and the procedure panel with it.
    if (m_session.stage() != WorkStage::Development)
        return ProcedurePanelMode::None;
    return m_procedureMode;
}

void EditorController::chooseProcedureName(const QString &name, bool byEnter)
{
    const ProcedurePanelMode mode = procedurePanelMode();
    edit([&] { return m_insertion.chooseProcedure(name, mode); });
    if (byEnter) {
        closeProcedurePanel();
        m_commands.focusCommand(PanelCommand::DoProc);
    }
}

void EditorController::enterNewProcedureName(const QString &name)
{
    const ProcedurePanelMode mode = procedurePanelMode();
    const EditOutcome outcome = edit([&] { return m_insertion.enterNewProcedureName(name, mode); });
    if (outcome.procedureNamesChanged)
        m_panelProc->selectName(name);
}

void EditorController::insertComment(const QString &text)
{
    edit([&] { return m_insertion.insertComment(text); });
    focusAlgorithm();
}

void EditorController::lstComClick(int row)
{
    const int selected = rowAfterPupilSelection(m_text.lines(), row);
    m_text.setCurrentRow(selected);
}

void EditorController::lstComDeleteKey()
{
    edit([this] { return m_deletion.deleteSimpleLine(); });
}

void EditorController::comMenuPopup(const QPoint &globalPosition)
{
    m_comMenu->popup(globalPosition);
}

void EditorController::updateComMenu()
{
    m_comMenu->applyState(contextMenuState(m_text));
    const Breakpoints &breakpoints = m_session.breakpoints();
    m_comMenu->showBreakpoint(breakpoints.canHold(m_text.currentRow()),
                              breakpoints.contains(m_text.currentRow()));
}

void EditorController::deleteLine()
{
    edit([this] { return m_deletion.deleteLine(); });
}

void EditorController::deleteConstruct()
{
    edit([this] { return m_deletion.deleteConstruct(); });
}

void EditorController::deleteElseBranch()
{
    edit([this] { return m_deletion.deleteElseBranch(); });
}

void EditorController::deleteProcedure()
{
    edit([this] { return m_deletion.deleteProcedure(); });
}

void EditorController::deleteWholeAlgorithm()
{
    edit([this] { return m_deletion.deleteWholeAlgorithm(m_session.task().hasPointB); });
}

void EditorController::insertBlankLine()
{
    edit([this] { return m_insertion.insertBlankLine(); });
}

void EditorController::openCommentPanel()
{
    m_panelComment->open();
}

bool EditorController::saveAlgorithm()
{
    if (!m_files.save(&m_window, m_text.lines()))
        return false;
    m_savedLines = m_text.lines();
    return true;
}

void EditorController::loadAlgorithm()
{
    const std::optional<QStringList> lines = m_files.load(&m_window);
    if (!lines)
        return;
    edit([&] {
        m_text.setLines(*lines);
        m_text.setCurrentRow(skeletonFirstBodyRow);
        m_procedureNames = rebuildProcedureList(*lines);
        EditOutcome outcome;
        outcome.changed = true;
        outcome.enablesDebugging = true;
        outcome.statistics = StatisticsUpdate::Recount;
        outcome.procedureNamesChanged = true;
        return outcome;
    });
    // A rebuilt list has no name selected.
    m_panelProc->selectName(QString());
    m_savedLines = m_text.lines();
}

template<typename Edit>
EditOutcome EditorController::edit(Edit &&change)
{
    // A panel opened before the run must not change the text the run is walking.
    if (m_session.isRunning())
        return {};
    const EditorSnapshot before = snapshot();
    m_replacingText = true;
    const EditOutcome outcome = change();
    m_replacingText = false;
    const bool textChanged = m_text.lines() != before.lines || m_procedureNames != before.procedureNames;
    apply(outcome);
    if (textChanged)
        m_history.record(before, snapshot());
    return outcome;
}

void EditorController::apply(const EditOutcome &outcome)
{
    if (outcome.procedureNamesChanged)
        showProcedureNames();
    switch (outcome.statistics) {
    case StatisticsUpdate::None: break;
    case StatisticsUpdate::Recount: m_session.setStatistics(updateStatistics(m_text.lines())); break;
    case StatisticsUpdate::Reset: m_session.setStatistics(resetStatistics()); break;
    }
    if (outcome.enablesDebugging)
        m_debuggingItem.setEnabled(true);
    if (outcome.closesProcedurePanel)
        closeProcedurePanel();
    if (outcome.topRow)
        scrollToTop(*outcome.topRow);
    switch (outcome.focus) {
    case EditorFocus::Unchanged: break;
    case EditorFocus::IfButton: m_commands.focusCommand(PanelCommand::If); break;
    case EditorFocus::WhileButton: m_commands.focusCommand(PanelCommand::While); break;
    case EditorFocus::ProcButton: m_commands.focusCommand(PanelCommand::Proc); break;
    case EditorFocus::DoProcButton: m_commands.focusCommand(PanelCommand::DoProc); break;
    }
    if (!outcome.message.isEmpty())
        showEditorMessage(&m_window, outcome.message);
}

void EditorController::scrollToTop(int row)
{
    if (m_text.isEmpty())
        return;
    // The rows just inserted must be laid out before the list can scroll to them.
    m_list.doItemsLayout();
    m_list.scrollTo(m_text.index(std::clamp(row, 0, m_text.count() - 1), 0),
                    QAbstractItemView::PositionAtTop);
}

void EditorController::showProcedureNames(bool keepSelection)
{
    m_panelProc->showNames(m_procedureNames, keepSelection);
}

EditorSnapshot EditorController::snapshot() const
{
    EditorSnapshot state;
    state.lines = m_text.lines();
    state.currentRow = m_text.currentRow();
    state.procedureNames = m_procedureNames;
    state.statistics = m_session.statistics();
    state.debuggingEnabled = m_debuggingItem.isEnabled();
    return state;
}

void EditorController::restore(const EditorSnapshot &state)
{
    m_replacingText = true;
    m_text.setLines(state.lines);
    m_text.setCurrentRow(state.currentRow);
    m_replacingText = false;
    m_procedureNames = state.procedureNames;
    showProcedureNames();
    m_session.setStatistics(state.statistics);
    m_debuggingItem.setEnabled(state.debuggingEnabled);
}

bool EditorController::undoAllowed() const
{
    // Only while editing.
    return m_session.stage() == WorkStage::Development && !m_session.isRunning();
}

void EditorController::undo()
{
    if (!undoAllowed())
        return;
    if (const std::optional<EditorSnapshot> previous = m_history.undo())
        restore(*previous);
}

void EditorController::redo()
{
    if (!undoAllowed())
        return;
    if (const std::optional<EditorSnapshot> next = m_history.redo())
        restore(*next);
}

void EditorController::startNewAlgorithm()
{
    m_history.clear();
    m_savedLines = m_text.lines();
    m_procedureNames = rebuildProcedureList(m_text.lines());
    showProcedureNames(false);
}

bool EditorController::allowClose()
{
    if (!isModified())
        return true;
    switch (askToSaveAlgorithm(&m_window)) {
    case SaveAnswer::Save:
        // A cancelled or failed save keeps the window open with the work in it.
        return saveAlgorithm();
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Cancel: break;
    }
    return false;
}

bool EditorController::eventFilter(QObject *watched, QEvent *event)
{
    // An insertion leaves the keys on its button; the keys that move through the text move
    // through it from there, not from one button to the next.
    if (event->type() == QEvent::KeyPress && watched != &m_window) {
        const auto *key = static_cast<QKeyEvent *>(event);
        static constexpr std::array movingKeys{Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                               Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_list.isEnabled()
            && std::find(movingKeys.begin(), movingKeys.end(), key->key()) != movingKeys.end()) {
            focusAlgorithm();
            QKeyEvent moved(QEvent::KeyPress, key->key(), Qt::NoModifier);
            QCoreApplication::sendEvent(&m_list, &moved);
            return true;
        }
    }
    // A running algorithm closes the window only after the run has ended; the
    // question comes with that second close.
    if (watched == &m_window && event->type() == QEvent::Close && !m_session.isRunning() && !allowClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
