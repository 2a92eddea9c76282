#pragma once

#include "world/commands/commandcontext.h"
#include "world/commands/delaysettings.h"
#include "world/commands/executorcommand.h"
#include "world/commands/runend.h"
#include "world/commands/runmessage.h"
#include "world/commands/runobserver.h"
#include "world/run/algorithmlines.h"
#include "world/run/runlimits.h"
#include "world/run/runyield.h"

#include <QList>
#include <QStringList>

#include <limits>
#include <vector>

// An active procedure call: the line of its ДЕЛАЙ and the head of the procedure it runs.
struct CallSite
{
    int callRow = 0;
    int procedureRow = 0;
};

class FieldCanvas;
struct World;

// Runs an algorithm on the executor's world: one pass from line 0 to "КОН" for every
// arrangement of the variable walls, highlighting each line as it goes.
//
// The interpreter is a machine that its surroundings drive. Each resume() runs it until it
// has to wait, show a message or let pending window events through, and says which; the
// caller does that (with a timer, a real or a virtual clock) and resumes again, until the
// run is finished. The routines of the run (the whole run, a pass, a line, a branch, a
// loop, a procedure call, a command) are frames on an explicit stack, so nested calls use
// no native stack: their depth is bounded by callDepthLimit, beyond which the run ends
// with a message. A line that is no structure, a command included, is run by the routine
// that meets it and gets frames of its own only when it has to hand control back. The
// skips over structures are looked up, never searched, so every step of the machine does
// a bounded amount of work. Everything else is reported, as it happens, to the observer.
// A pause (a breakpoint, stepping) is a frame too: resuming takes the run on from there.
class Interpreter
{
public:
    static constexpr int defaultCallDepthLimit = 100000;

    // The lines are read once, here; the world, the canvas and the observer must outlive
    // the interpreter. A null canvas draws nothing, a null observer hears nothing.
    Interpreter(const QStringList &lines, World &world, const DelaySettings &delays,
                FieldCanvas *canvas = nullptr, RunObserver *observer = nullptr,
                int callDepthLimit = defaultCallDepthLimit);

    // The first call starts the run. Waits of 0 ms are reported to the observer but do
    // not return. After Finished every further call returns Finished again.
    RunYield resume();

    // The stop button: the run ends at the next place where it tests for a stop (while
    // paused, at once).
    void requestStop() { m_stopRequested = true; }

    // The run pauses (resume() returns Paused) when it is about to run a line that has a
    // breakpoint, and, while stepping, at every next line. A line highlighted twice in a
    // row (a branch or loop head) is one pause. Neither is looked at when both are unset.
    void setBreakpoints(const QList<int> &rows);
    void setStepping(bool stepping);
    // A paused run may go on at another speed: the waits from here on take these delays.
    void setDelays(const DelaySettings &delays) { m_context.delays = delays; }

    // A run for a driver that shows nothing (the checker, the tests): the waits add up on
    // a virtual clock instead of being handed back, and letting the window events through
    // hands back only once in a while, so that the driver can still look at the real time
    // and request a stop there. Pauses and messages are handed back as always.
    void setVirtualClock(bool on) { m_virtualClock = on; }
    // The sum of the waits made on the virtual clock.
    qint64 virtualElapsed() const { return m_virtualElapsed; }
    // The bounds are looked at wherever the run lets events through (or pauses), and a
    // stop is requested there, just as a click on the stop button would be delivered.
    void setLimits(const RunLimits &limits);

    // The procedure calls under way, the outermost first.
    std::vector<CallSite> callChain() const;

    bool isFinished() const { return m_finished; }
    RunEnd end() const { return m_end; }
    // The message of the last Message yield.
    const RunMessage &message() const { return m_message; }

    // Highlights made in the current pass, counted from its first line on.
    qint64 passHighlightCount() const { return m_passHighlights; }
    // Lines executed in the current pass, nested ones included.
    // Steps of the machine in the current pass: each time one of its routines goes on, and
    // each time the run lets events through. Each step does a bounded amount of work.
    qint64 passStepCount() const { return m_passSteps; }
    // The line highlighted last (-1: none).
    int currentRow() const { return m_currentRow; }
    // The arrangement of the current pass, one selector per variable wall.
    const QList<int> &arrangement() const { return m_arrangement; }
    int callDepthLimit() const { return m_callDepthLimit; }

private:
    enum class Routine : unsigned char { Run, Pass, Line, Branch, Loop, Call, Command, Abort, Pause };

    // The steps of each routine: where its frame goes on when the routine is resumed.
    enum class RunStep : unsigned char { Start, NextArrangement, PassDone, MessageClosed, Finish };
    enum class PassStep : unsigned char { Start, NextLine, LineDone, AfterLine };
    enum class LineStep : unsigned char { Execute, StatementDone, Delay, Leave };
    enum class BranchStep : unsigned char {
        Head,
        Decide,
        ThenLine,
        ThenDone,
        ThenTest,
        ElseStart,
        ElseLine,
        ElseDone,
        ElseTest,
        Leave
    };
    enum class LoopStep : unsigned char { Test, Begin, BodyLine, LoopEndDone, BodyDone, BodyTest, Finish };
    enum class CallStep : unsigned char { Start, Enter, BodyLine, BeforeLine, LineDone, AfterLine, Leave };
    enum class AbortStep : unsigned char { ShowMessage, Finish };

    // Each routine reads and writes only the member of its own, which push() starts. A
    // command keeps its progress in m_command.
    union Step
    {
        RunStep run;
        PassStep pass;
        LineStep line;
        BranchStep branch;
        LoopStep loop;
        CallStep call;
        AbortStep abort;
    };

    struct Frame
    {
        Routine routine;
        Step step;
        bool bodyEnded = false; // a loop: its body's "КЦ" is reached, the head is tested next
        int index = 0;          // the line the routine stands on (a call: the line of its body)
        int head = 0;           // the line that began the routine (a call comes back on it)
    };

    enum class Flow { Continue, Yield };

    Flow runAlgorithm(Frame &frame);
    Flow runPass(Frame &frame);
    Flow executeLine(Frame &frame);
    Flow executeBranch(Frame &frame);
    Flow executeLoop(Frame &frame);
    Flow skipProcedureDescription(Frame &frame);
    Flow callProcedure(Frame &frame);
    Flow finishLine(Frame &frame);
    Flow executeSimpleLine(int row);
    Flow playCommand();
    Flow advanceCommand();
    Flow abortRun(Frame &frame);

    void highlight(int row)
    {
        m_currentRow = row;
        ++m_passHighlights;
        if (m_highlightObserver)
            m_highlightObserver->lineHighlighted(row);
    }
    // Highlights that belong to the run rather than to a line never pause.
    void showRunRow(int row);
    // Hears the highlights and waits that may pause, for the interpreter, and passes them
    // on to its observer. A run that never pauses tests nothing more than its observer.
    class PauseWatch : public RunObserver
    {
    public:
        explicit PauseWatch(Interpreter &interpreter)
            : m_interpreter(interpreter)
        {
        }
        void lineHighlighted(int row) override;
        void waitStarted(int milliseconds) override;

    private:
        Interpreter &m_interpreter;
    };

    Q_DECL_COLD_FUNCTION Q_NEVER_INLINE void notePauseRow(int row);
    // `heldWait`: the wait the pause comes before (-1: none).
    Q_DECL_COLD_FUNCTION Q_NEVER_INLINE Flow pause(int heldWait);
    Flow leavePause(Frame &frame);
    void updatePauseArmed();
    void updateHooks();
    void refreshFieldView();
    void redrawField();
    void setArrangement(int number);
    bool conditionHolds(LineKind kind) const;
    // A wait of no time that no one hears is nothing at all.
    Flow wait(int milliseconds)
    {
        if (!m_waitObserver && milliseconds <= 0)
            return Flow::Continue;
        return clockWait(milliseconds);
    }
    Flow clockWait(int milliseconds);
    void checkLimits()
    {
        if (m_passHighlights >= m_highlightBound || m_passSteps >= m_stepBound) [[unlikely]]
            m_stopRequested = true;
    }
    // Every test for a stop comes right after events have been let through (or after a
    // pause), so a bound looked at here ends the run where a stop requested by its driver would.
    Flow processEvents()
    {
        ++m_passSteps;
        checkLimits();
        if (m_virtualClock && --m_quietEvents > 0)
            return Flow::Continue;
        return handBackEvents();
    }
    Flow handBackEvents();
    Flow showMessage(const RunMessage &message);
    Flow fail(const RunMessage &message);
    Flow missingLine(const char *line);
    Flow finishRun(RunEnd end);
    void returnFromRoutine(int index);
    void pushBelowPause(Routine routine, Step first, int index);
    // `first` is the routine's first step (a command has none).
    void push(Routine routine, Step first, int index)
    {
        m_stack.push_back(Frame{routine, first, false, index, index});
    }

    AlgorithmLines m_lines;
    World &m_world;
    CommandContext m_context;
    FieldCanvas *m_canvas;
    RunObserver *m_observer;
    int m_callDepthLimit;

    PauseWatch m_pauseWatch;
    RunObserver *m_highlightObserver = nullptr;
    RunObserver *m_waitObserver = nullptr;

    std::vector<Frame> m_stack;
    std::vector<bool> m_breakpoints;
    ExecutorCommand m_command;
    RunYield m_yield;
    RunMessage m_message;
    QList<int> m_arrangement;
    int m_variableWalls = 0;
    // The arrangement of the current pass, counted from 0 (see setArrangement()).
    int m_arrangementNumber = 0;
    int m_returnIndex = 0;
    int m_lastPassEnd = 0;
    int m_currentRow = -1;
    int m_callDepth = 0;
    int m_breakpointCount = 0;
    int m_lastPauseRow = -1;
    static constexpr qint64 unbounded = std::numeric_limits<qint64>::max();
    // With a virtual clock, one of this many places that let events through hands back.
    static constexpr int eventsPerHandBack = 4096;

    qint64 m_passHighlights = 0;
    qint64 m_passLines = 0;
    qint64 m_passSteps = 0;
    qint64 m_highlightBound = unbounded;
    qint64 m_stepBound = unbounded;
    qint64 m_virtualElapsed = 0;
    int m_quietEvents = eventsPerHandBack;
    bool m_started = false;
    bool m_inPass = false;
    bool m_stopRequested = false;
    bool m_crashed = false;
    bool m_finished = false;
    bool m_stepping = false;
    bool m_pauseArmed = false;
    bool m_pausePending = false;
    bool m_virtualClock = false;
    RunEnd m_end = RunEnd::Complete;
};
