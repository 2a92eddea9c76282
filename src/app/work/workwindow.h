#pragma once

#include "app/editing/panelcommand.h"
#include "app/work/stagetable.h"
#include "app/work/workstage.h"
#include "display/fieldscene.h"
#include "tasks/taskdata.h"
#include "world/delaysettings.h"
#include "world/world.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class AlgorithmText;
class CommandPanel;
class FieldPanel;
class FieldView;
class QAction;
class QListView;
class QListWidget;
class QStatusBar;
class QTimer;
class RulerPanel;
class RunToolBar;
class TaskStatementPanel;
class WorkMenuBar;
class QLabel;
class QPushButton;
class QToolButton;

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

    // The menu and its items.
    WorkMenuBar *MainMenu = nullptr;
    QAction *NMainBegin = nullptr;
    QAction *NMainWork = nullptr;
    QAction *NMainDebug = nullptr;
    QAction *NMainPoints = nullptr;
    QAction *NMainSize = nullptr;
    QAction *NMainPattern = nullptr;
    QAction *N1212 = nullptr;
    QAction *N1313 = nullptr;
    QAction *N1414 = nullptr;
    QAction *N1515 = nullptr;
    // The run tool bar.
    RunToolBar *ToolBarAlg = nullptr;
    QToolButton *FixToolButtonDo = nullptr;
    QToolButton *FixToolButtonQuick = nullptr;
    QToolButton *FixToolButtonResult = nullptr;
    QToolButton *FixToolButtonStop = nullptr;
    // The task statement.
    TaskStatementPanel *pnlTskNew = nullptr;
    QListWidget *lstTsk = nullptr;
    // The command panel.
    CommandPanel *PPPanelSystCom = nullptr;
    QPushButton *PPButtonStep = nullptr;
    QPushButton *PPButtonJump = nullptr;
    QPushButton *PPButtonTurn = nullptr;
    QPushButton *PPButtonProc = nullptr;
    QPushButton *PPButtonDoProc = nullptr;
    QPushButton *PPButtonIf = nullptr;
    QPushButton *PPButtonWhile = nullptr;
    // The algorithm and its statistics.
    QListView *lstCom = nullptr;
    QListWidget *ListStatist = nullptr;
    // The field.
    FieldPanel *pnl1 = nullptr;
    QWidget *pnlMain = nullptr;
    FieldView *PaintImage = nullptr;
    RulerPanel *PanelX = nullptr;
    RulerPanel *PanelY = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    // One timer per variable wall.
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;

    static constexpr std::array<int, 3> variableWallIntervals{5000, 5050, 5100};

    // The working state, one of each, for the window's whole life.
    AlgorithmText &algorithm() { return *m_algorithm; }
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
    QList<QTimer *> variableWallTimers() const { return {Timer1, Timer2, Timer3}; }

    // The run itself: called between the start and the end of a run, which the window
    // frames (speed buttons and "Разработка" off, timers stopped, the stop flag cleared).
    using RunHandler = std::function<void()>;
    void setRunHandler(RunHandler handler) { m_runHandler = std::move(handler); }

    // Panels that Esc closes and a click on the free window area hides.
    void setEditorPanels(QWidget *panelProc, QWidget *panelIf, QWidget *panelWhile);
    void setPointsPanel(QWidget *panelPoints);

public slots:
    void resetWork();
    void applyStage(WorkStage stage);
    void nMainBeginClick();
    void nMainWorkClick();
    void nMainDebugClick();
    void n1212Click(QAction *item);
    void setFieldSize(int fieldSize);
    void selectSizeVariant();
    void refreshFieldView();
    void refreshFieldView(const QRect &changed);
    // Selectors to 1 and the walls drawn at their first variant; a timer for each wall.
    void showVariableWalls();
    void stopVariableWallTimers();
    // The tick of the timer of variable wall k (1, 2 or 3): the wall moves to its other variant.
    void variableWallTimerTick(int k);
    void formKeyDown(int key);
    void formClick();
    void triggerPanelCommand(PanelCommand command);
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static int initialLayoutUnit(int requested);
    void buildClientArea(QWidget *client);
    void buildStageTable();
    void placeWindow();
    void connectAlgorithmList();
    void stopTimersOfMissingWalls();
    bool isOwnDialog(QObject *object) const;

    int m_layoutUnit;
    int m_halfVisibleLines = 0;
    AlgorithmText *m_algorithm = nullptr;
    World m_world;
    TaskData m_task;
    FieldScene m_scene;
    DelaySettings m_delays;
    bool m_stopRequested = false;
    bool m_running = false;
    bool m_closeAfterRun = false;
    RunHandler m_runHandler;
    StageTable m_stages;
    QWidget *m_client = nullptr;
    QPointer<QWidget> m_panelProc;
    QPointer<QWidget> m_panelIf;
    QPointer<QWidget> m_panelWhile;
    QPointer<QWidget> m_panelPoints;
};
