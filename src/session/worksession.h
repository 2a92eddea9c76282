#pragma once

#include "display/fieldscene.h"
#include "judge/tasktest.h"
#include "judge/testpass.h"
#include "session/taskopening.h"
#include "session/workstage.h"
#include "tasks/file/taskdata.h"
#include "world/commands/delaysettings.h"
#include "world/commands/runend.h"
#include "world/commands/runmessage.h"
#include "world/model/world.h"
#include "world/run/callchainrows.h"

#include <QImage>
#include <QObject>
#include <QStringList>

#include <optional>
#include <vector>

class AlgorithmText;
class Breakpoints;
class QTimer;
class RunObserver;
class TimedRun;
class VariableWallSwaps;

// The pupil's work under the windows: the task, the field with its walls and the executor,
// the algorithm with its breakpoints, the stage and the run. The windows are views of it:
// they call its intents and follow its signals, and it refuses what the stage or a run
// under way does not allow. It knows nothing of widgets, so it is driven alike by the
// windows and by tests.
class WorkSession : public QObject
{
    Q_OBJECT

public:
    // The layout unit sizes the field picture (FieldGeometry).
    explicit WorkSession(int layoutUnit, QObject *parent = nullptr);
    ~WorkSession() override;

    const World &world() const { return m_world; }
    const TaskData &task() const { return m_task; }
    const FieldScene &scene() const { return m_scene; }
    // The pattern picture of a drawing task (null otherwise).
    const QImage &pattern() const { return m_pattern; }
    // The algorithm the editor changes through its operations; a run reads it and moves
    // its current line.
    AlgorithmText &algorithm() { return *m_algorithm; }
    const AlgorithmText &algorithm() const { return *m_algorithm; }
    Breakpoints &breakpoints() { return *m_breakpoints; }
    const Breakpoints &breakpoints() const { return *m_breakpoints; }
    WorkStage stage() const { return m_stage; }
    int layoutUnit() const { return m_layoutUnit; }
    // The statistics rows shown for the algorithm.
    const QStringList &statistics() const { return m_statistics; }
    QList<QTimer *> variableWallTimers() const;

    // From a start to the end of its run, pauses included.
    bool isRunning() const { return m_running; }
    bool isPaused() const;
    const DelaySettings &delays() const;
    // The calls under way while a run is paused, as "Вызовы" lists them.
    std::vector<CallChainRow> callChainRows() const;
    // The passes of the last run (those ended so far while it is paused), judged as the jury
    // judges them, numbered as the task's tests; kept until the algorithm or the task changes.
    const QList<TestPass> &runPasses() const { return m_runPasses; }
    // Whether the algorithm is only to be run: "Начать" and "Разработка" are refused.
    bool isAlgorithmLocked() const { return m_isAlgorithmLocked; }
    // Hears every event of the runs, as the checker's event log hears them (null: nobody).
    void setRunObserver(RunObserver *observer);

    // "Начать": the work is reset and the stage entered; a task folder is to be opened now.
    // False where a run is under way.
    bool begin();
    // Opens the task of `folder`: its field at the first size, the skeleton of a new
    // algorithm and the variable walls swapping.
    TaskOpening openTaskFolder(const QString &folder);
    // The same for a task already read, with the pattern picture of a drawing task.
    void openTask(const TaskData &task, const QImage &pattern = {});
    // A task that did not open: back to the stage before "Начать".
    void cancelBegin();
    // "Разработка" and "Отладка"; false where a run is under way.
    bool enterDevelopment();
    bool enterDebugging();
    void chooseFieldSize(int fieldSize);
    // One test of the task on the field: its size, and the variable walls standing still at
    // its arrangement. False during a run or for a size outside 12 … 15.
    bool prepareTest(const TaskTest &test);
    // Runs test `test` alone, as the jury's pass of it runs: its size, its arrangement's walls
    // standing still, the task's start; `paused`: the run holds before its first line. A run
    // under way is stopped first and the test runs once it has ended. Refused outside "Отладка".
    bool replayTest(const TaskTest &test, RunSpeed speed, bool paused = false);
    // The same for pass `index` of runPasses(), at the speed chosen last.
    bool replayPass(int index);
    // Opens the task of `folder` with `lines` as its algorithm, locked, in "Отладка".
    TaskOpening openForReplay(const QString &folder, const QStringList &lines);
    // The start and point Б the pupil typed, drawn at once.
    void setPoints(const StartPosition &start, CellPosition pointB);
    void setStatistics(const QStringList &rows);
    // The field picture drawn `scale` device pixels to each of its pixels, for a screen with
    // a scale factor; set before a task is opened, as the field is drawn empty anew.
    void setFieldScale(int scale);

    // A speed button: starts a run at that speed, or takes a paused one on at it.
    void chooseSpeed(RunSpeed speed);
    // The pause button: a run under way pauses after its line; a paused run goes on.
    void togglePause();
    // "Один шаг": one line at the slow speed, then a pause; without a run, in "Отладка", a
    // run starts paused on its first line.
    void step();
    // "Выполнить до курсора": the run goes on (or starts, at the speed chosen last) and
    // pauses before `row`, or at a breakpoint before that.
    void runTo(int row);
    // The stop button: the run ends where it next tests for a stop.
    void stopRun();

signals:
    void stageChanged(WorkStage stage);
    // The task file was read, maybe only in part: its statement and sizes can be shown.
    void taskRead();
    // The whole task is open: a new algorithm starts.
    void taskLoaded();
    void fieldSizeChanged(int fieldSize);
    // Part of the field picture changed; a null area: all of it.
    void fieldChanged(const QRect &area);
    void statisticsChanged(const QStringList &rows);
    // "Разработка" has been entered and the field redrawn.
    void developmentEntered();
    void runStarted();
    void runEnded(RunEnd end);
    // The run holds before `row`, which is the current line.
    void paused(int row);
    void resumed();
    // A message of the run, shown modally: the run goes on when the slot returns.
    void messageRaised(const RunMessage &message);
    // runPasses() changed: a run ended or paused, or the list was cleared.
    void runPassesChanged();

private:
    void applyStage(WorkStage stage);
    void resetWork();
    void setFieldSize(int fieldSize);
    void setUpField();
    void startRun(RunSpeed speed, bool stepping);
    void goOnAtChosenSpeed();
    void applyPauseRows();
    void runPaused(int row);
    void runFinished(RunEnd end);
    void fieldChangedWhole();
    void recordRunPasses(bool ended);
    void clearRunPasses();
    void endReplay();

    int m_layoutUnit;
    AlgorithmText *m_algorithm;
    Breakpoints *m_breakpoints;
    World m_world;
    TaskData m_task;
    FieldScene m_scene;
    QImage m_pattern;
    VariableWallSwaps *m_wallSwaps;
    TimedRun *m_run;
    WorkStage m_stage = WorkStage::NotStarted;
    QStringList m_statistics;
    bool m_running = false;
    // "Выполнить до курсора": the line the run is to pause before (-1: none).
    int m_runToRow = -1;
    RunSpeed m_lastSpeed = RunSpeed::Slow;
    // The delays of the speed the run goes at when it is not stepping.
    DelaySettings m_chosenDelays;
    QList<TestPass> m_runPasses;
    bool m_isAlgorithmLocked = false;
    // A run of one test: the walls as they stand with its arrangement shown, given back when
    // it ends (its own are fixed ones).
    bool m_isReplaying = false;
    WallModel m_shownWalls;
    // A test to run once the run under way has ended.
    std::optional<TaskTest> m_pendingReplay;
    RunSpeed m_pendingSpeed = RunSpeed::Slow;
};
