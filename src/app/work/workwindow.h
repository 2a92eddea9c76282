#pragma once

#include "app/editing/panels/panelcommand.h"
#include "app/work/stagetable.h"
#include "session/workstage.h"

#include <QMainWindow>

class AlgorithmListView;
class BreakpointMargin;
class CommandPanel;
class FieldPanel;
class QListWidget;
class QStatusBar;
class RunToolBar;
class TaskStatementPanel;
class WorkMenuBar;
class WorkSession;

// The work window: the task statement, the command panel, the algorithm, the statistics,
// the field with its rulers and the run tool bar, led through the stages "Начать",
// "Разработка" and "Отладка". It shows the work session it was made with and passes the
// pupil's choices on to it; it keeps no work of its own.
class WorkWindow : public QMainWindow
{
    Q_OBJECT

public:
    // layoutUnit 0: derived from the screen (its width div 100, made smaller when the
    // window would not fit the screen's height).
    explicit WorkWindow(int layoutUnit = 0, QWidget *parent = nullptr);
    ~WorkWindow() override;

    WorkSession &session() const { return *m_session; }
    int layoutUnit() const { return m_layoutUnit; }

    // The window's parts, for the tools that attach to them.
    CommandPanel &commandPanel() const { return *m_commands; }
    AlgorithmListView &algorithmList() const { return *m_algorithmList; }
    RunToolBar &runTools() const { return *m_runTools; }
    WorkMenuBar &workMenu() const { return *m_menu; }
    FieldPanel &fieldPanel() const { return *m_fieldPanel; }
    QWidget &taskStatement() const;

signals:
    // A command of the command panel, by its button or its function key, between runs.
    void panelCommandTriggered(PanelCommand command);
    // "Начать" has reset the work and entered its stage; the task is to be loaded now.
    void taskLoadRequested();
    // Esc, for the panels it closes.
    void escapePressed();
    // A click on the window's free area, for the panels it hides.
    void freeAreaClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void nMainBeginClick();
    void nMainWorkClick();
    void applyStage(WorkStage stage);
    void showTask();
    void showFieldSize();
    void refreshField(const QRect &changed);
    void showRunning(bool running);
    void formKeyDown(int key);
    void triggerPanelCommand(PanelCommand command);
    void focusAlgorithm();
    // Whether a shown and enabled control of the window takes the keys.
    bool hasFocusedControl() const;

    static int initialLayoutUnit(int requested);
    void buildClientArea(QWidget *client);
    void buildStageTable();
    void placeWindow();
    void connectAlgorithmList();
    void connectSession();
    bool isOwnDialog(QObject *object) const;

    int m_layoutUnit;
    WorkSession *m_session;
    WorkMenuBar *m_menu = nullptr;
    RunToolBar *m_runTools = nullptr;
    TaskStatementPanel *m_taskStatement = nullptr;
    CommandPanel *m_commands = nullptr;
    AlgorithmListView *m_algorithmList = nullptr;
    BreakpointMargin *m_breakpointMargin = nullptr;
    QListWidget *m_statisticsList = nullptr;
    FieldPanel *m_fieldPanel = nullptr;
    QStatusBar *m_statusBar = nullptr;
    StageTable m_stages;
    QWidget *m_client = nullptr;
    QMetaObject::Connection m_closeWhenRunEnds;
};
