#pragma once

#include "judge/passresult.h"
#include "world/commands/delaysettings.h"
#include "world/commands/runend.h"
#include "world/commands/runmessage.h"
#include "world/commands/runobserver.h"
#include "world/run/interpreter.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

class FieldScene;
class RunRecorder;
struct World;

// One run of the algorithm on the real clock, driven from the application's event loop: a
// wait is a single-shot timer, so the windows keep painting and take a stop click while it
// lasts; where the run lets pending events through, it goes on from the event queue after
// them, at most a few milliseconds after it last did (a turn of the event loop per line
// would cost more than the fastest lines themselves). Nothing here waits in a loop of its
// own: the run only ever goes on from a timer or a queued call.
//
// The highlight is reported whenever the run waits (every line waits at the slow and
// middle speeds), before a message and at the end; without waits, at the fastest speed, at
// most once per screen frame: no eye sees lines change faster than that.
//
// A run may pause before a line (the pause button, a single step, a breakpoint, "run to the
// cursor"); it goes on at a speed, one step at a time, or ends when stopped.
class TimedRun : public QObject, private RunObserver
{
    Q_OBJECT

public:
    // The shortest time between two highlights shown without a wait: one screen frame.
    static constexpr int highlightInterval = 16;
    // The longest a run goes on without letting events through, well under a screen frame.
    static constexpr int sliceInterval = 4;

    TimedRun(World &world, FieldScene &scene, QObject *parent = nullptr);
    ~TimedRun() override;

    bool isRunning() const { return m_interpreter != nullptr; }
    bool isPaused() const { return m_paused; }
    // The delays the run goes at now: the slow ones while stepping.
    const DelaySettings &delays() const { return m_delays; }
    // The line the run highlighted last (-1: none).
    int highlightedRow() const { return m_highlightedRow; }
    // The calls under way, the outermost first.
    std::vector<CallSite> callChain() const;

    // What each pass of the run under way, or of the last one, did; a pass under way last.
    const QList<PassResult> &passes() const;
    // Hears every event of the runs from now on (null: nobody), as the checker's log hears them.
    void setEventObserver(RunObserver *observer) { m_eventObserver = observer; }

    // Starts a run of `lines` at these delays; `stepping` pauses it before its first line.
    // `shownRow` is the line shown until the run highlights one. The first step comes from
    // the event loop, so a run that ends at once still ends there. A run of one test, its
    // walls made fixed, reports the test's `arrangement` for its pass.
    void start(const QStringList &lines, const DelaySettings &delays, bool stepping, int shownRow,
               const QList<int> &arrangement = {});
    // The lines a run pauses before (breakpoints, the line of "run to the cursor").
    void setPauseRows(const QList<int> &rows);
    // Pauses after the line under way; a paused run stays paused.
    void pauseAfterLine();
    // A paused run goes on at these delays, without stepping.
    void goOn(const DelaySettings &delays);
    // One line at the slow speed, then a pause again. Asked for while a step is under way, it
    // comes after that one: every request is a line, however fast they come.
    void step();
    // The run ends where it next tests for a stop; a paused run goes on at once to end.
    void stop();

signals:
    void lineShown(int row);
    // What part of the field picture the run changed.
    void fieldChanged(const QRect &area);
    // A message to be shown, modally: the run goes on when the slot returns.
    void messageRaised(const RunMessage &message);
    // The run holds before `row`, which is shown.
    void paused(int row);
    void resumed();
    void finished(RunEnd end);

private:
    void advance();
    void enterPause();
    void leavePause();
    void finish();
    void showHighlight();
    void scheduleAdvance();

    void lineHighlighted(int row) override;
    void fieldRefreshed() override;
    void executorStepped(CellPosition from, CellPosition to) override;
    void executorJumped(CellPosition to) override;
    void executorTurned(qint16 heading) override;
    void executorCrashed() override;
    void waitStarted(int milliseconds) override;
    void messageShown(const RunMessage &message) override;
    void passStarted(const QList<int> &arrangement) override;
    void passEnded(RunEnd end, qint64 executedLines) override;
    void runFinished(RunEnd end) override;

    World &m_world;
    FieldScene &m_scene;
    // Before the interpreter: it is the interpreter's observer, and hands every event on here.
    std::unique_ptr<RunRecorder> m_recorder;
    std::unique_ptr<Interpreter> m_interpreter;
    RunObserver *m_eventObserver = nullptr;
    QTimer m_waitTimer;
    DelaySettings m_delays;
    int m_highlightedRow = -1;
    bool m_paused = false;
    bool m_stopRequested = false;
    // The run holds after every line: a step or the pause button.
    bool m_stepping = false;
    // Steps asked for while one was under way, each taken at its pause.
    int m_queuedSteps = 0;
    QElapsedTimer m_highlightClock;
    QElapsedTimer m_sliceClock;
};
