#pragma once

#include "app/editing/panels/panelcommand.h"
#include "app/work/stagetable.h"
#include "app/work/workstage.h"
#include "display/fieldscene.h"
#include "editor/algorithminsertion.h"
#include "tasks/file/taskdata.h"
#include "world/commands/delaysettings.h"
#include "world/model/world.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class AlgorithmListView;
class AlgorithmText;
class BreakpointMargin;
class Breakpoints;
class CommandPanel;
class FieldPanel;
class QAction;
class QListWidget;
class QStatusBar;
class QTimer;
class RunToolBar;
class TaskStatementPanel;
class WorkMenuBar;

// The work window: the task statement, the command panel, the algorithm, the statistics,
// the field with its rulers and the run tool bar, led through the stages "Начать",
// "Разработка" and "Отладка". It owns the whole working state and hands it to the core.
class WorkWindow : public QMainWindow
{
    Q_OBJECT

public:
    // layoutUnit 0: derived from the screen (its width div 100, made smaller when the
    // window would not fit the screen's height).
    explicit WorkWindow(int layoutUnit = 0, QWidget *parent = nullptr);
    ~WorkWindow() override;

    static constexpr std::array<int, 3> variableWallIntervals{5000, 5050, 5100};

    // The working state, one of each, for the window's whole life.
    AlgorithmText &algorithm() { return *m_algorithm; }
    Breakpoints &breakpoints() { return *m_breakpoints; }
    World &world() { return m_world; }
    TaskData &task() { return m_task; }
    FieldScene &scene() { return m_scene; }
    DelaySettings &delays() { return m_delays; }
    // Set by the stop button; a run tests it and clears it when it starts.
    bool &stopRequested() { return m_stopRequested; }

    int layoutUnit() const { return m_layoutUnit; }
    // Half the number of whole rows the algorithm list shows.
    int halfVisibleLines() const { return m_halfVisibleLines; }
    bool isRunning() const { return m_running; }
    QList<QTimer *> variableWallTimers() const
    {
        return {m_variableWallTimers.begin(), m_variableWallTimers.end()};
    }
    // The stage last entered; the controls follow it.
    WorkStage stage() const { return m_stage; }
    RunToolBar *runTools() const { return m_runTools; }

    // The run itself: called between the start and the end of a run, which the window
    // frames (speed buttons and "Разработка" off, timers stopped, the stop flag cleared).
    using RunHandler = std::function<void()>;
    void setRunHandler(RunHandler handler) { m_runHandler = std::move(handler); }

    // What the window shows, kept here as values rather than read back from its controls.
    void showTaskStatement(const QStringList &lines);
    void showStatistics(const QStringList &rows);
    const QStringList &statistics() const { return m_statistics; }
    // The menu bar, for what the task, the editor and the run offer on it.
    WorkMenuBar &workMenu() const { return *m_menu; }

    // The command panel's procedure buttons show what the procedure panel was opened for:
    // the other button is disabled; ProcedurePanelMode::None (the panel closed) enables both.
    void showProcedurePanelMode(ProcedurePanelMode openedFor);
    void focusCommand(PanelCommand command);
    // Where a panel opened by a command button stands: right of the command panel, level
    // with the button, in the coordinates of the central widget.
    QPoint besideCommand(PanelCommand command) const;
    void focusAlgorithm();
    void scrollAlgorithmTo(int topRow);
    // The task statement's place on the screen.
    QRect taskStatementArea() const;
    QPoint mapFieldToGlobal(const QPoint &fieldPosition) const;

    // Panels that Esc closes and a click on the free window area hides.
    void setEditorPanels(QWidget *panelProc, QWidget *panelIf, QWidget *panelWhile);
    void setPointsPanel(QWidget *panelPoints);
    QWidget *pointsPanel() const { return m_panelPoints; }

public slots:
    void applyStage(WorkStage stage);
    void setFieldSize(int fieldSize);
    void selectSizeVariant();
    void refreshFieldView();
    void refreshFieldView(const QRect &changed);
    // Selectors to 1 and the walls drawn at their first variant; a timer for each wall.
    void showVariableWalls();
    void startRun(RunSpeed speed);
    void fixToolButtonStopClick();

signals:
    // A command of the command panel, by its button or its function key.
    void panelCommandTriggered(PanelCommand command);
    // "Начать" has reset the work and entered its stage; the task is to be loaded now.
    void taskLoadRequested();
    void fieldSizeChanged(int fieldSize);
    // "Разработка" has been entered and the field redrawn.
    void developmentEntered();
    void pointsRequested();  // "Точки"
    void patternRequested(); // "Образец"
    // The pupil's own actions on the algorithm list.
    void algorithmRowSelected(int row);
    void algorithmDeleteKeyPressed();
    void algorithmMenuRequested(const QPoint &globalPosition);
    void fieldMenuRequested(const QPoint &fieldPosition);
    // "Выполнить до курсора" for a line of the algorithm.
    void runToRowRequested(int row);
    // F9, the key of "Один шаг", in "Отладка".
    void stepKeyPressed();
    // A run is about to start; it has not yet taken anything from the window.
    void runStarted();
    // The stop flag has been set (the stop button, or a close during a run).
    void stopAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The menu items, the keys and the clicks of the window.
    void resetWork();
    void nMainBeginClick();
    void nMainWorkClick();
    void nMainDebugClick();
    void n1212Click(int size);
    void stopVariableWallTimers();
    // The tick of the timer of variable wall k (1, 2 or 3): the wall moves to its other variant.
    void variableWallTimerTick(int k);
    void formKeyDown(int key);
    void formClick();
    void triggerPanelCommand(PanelCommand command);
    // Whether a shown and enabled control of the window takes the keys.
    bool hasFocusedControl() const;

    static int initialLayoutUnit(int requested);
    void buildClientArea(QWidget *client);
    void buildStageTable();
    void placeWindow();
    void connectAlgorithmList();
    void stopTimersOfMissingWalls();
    bool isOwnDialog(QObject *object) const;

    WorkMenuBar *m_menu = nullptr;
    RunToolBar *m_runTools = nullptr;
    TaskStatementPanel *m_taskStatement = nullptr;
    CommandPanel *m_commands = nullptr;
    AlgorithmListView *m_algorithmList = nullptr;
    BreakpointMargin *m_breakpointMargin = nullptr;
    QListWidget *m_statisticsList = nullptr;
    FieldPanel *m_fieldPanel = nullptr;
    QStatusBar *m_statusBar = nullptr;
    std::array<QTimer *, 3> m_variableWallTimers{};

    int m_layoutUnit;
    int m_halfVisibleLines = 0;
    AlgorithmText *m_algorithm = nullptr;
    Breakpoints *m_breakpoints = nullptr;
    World m_world;
    TaskData m_task;
    FieldScene m_scene;
    DelaySettings m_delays;
    bool m_stopRequested = false;
    bool m_running = false;
    bool m_closeAfterRun = false;
    // The variable walls swap on their timers: from their display at a task's start or at
    // "Разработка" until a run or a new start.
    bool m_wallsSwapping = false;
    RunHandler m_runHandler;
    StageTable m_stages;
    WorkStage m_stage = WorkStage::NotStarted;
    QStringList m_statistics;
    QWidget *m_client = nullptr;
    QPointer<QWidget> m_panelProc;
    QPointer<QWidget> m_panelIf;
    QPointer<QWidget> m_panelWhile;
    QPointer<QWidget> m_panelPoints;
};
