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
#include <memory>
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
// run is finished. The structures under way (the run, a pass, a branch, a loop, a
// procedure call) are frames on an explicit stack, each standing on one step of a single
// machine, so nested calls use no native stack: their depth is bounded by callDepthLimit,
// beyond which the run ends with a message. Every body (a pass, a then or else part, a loop
// body, a procedure) is run line by line by the same steps; the frame's part says whose body
// it is and so which line closes it. A line that is no structure, a command included, is run
// by the step that meets it and gets a frame of its own only when it has to hand control
// back. Every jump (over a structure, back to a loop's head, into a procedure) is looked up
// in a table made when the text is read, never searched, so every step of the machine does
// a bounded amount of work. Everything else is reported, as it happens, to the observer.
// A pause (a breakpoint, stepping) is a frame too: resuming takes the run on from there.
class Interpreter
{
public:
    static constexpr int defaultCallDepthLimit = 100000;

    // The lines are read once, here; the world, the canvas and the observer must outlive
    // the interpreter. A null canvas draws nothing, a null observer hears nothing, and one
    // that does not follow the lines hears only what each pass did (see RunObserver).
    Interpreter(const QStringList &lines, World &world, const DelaySettings &delays,
                FieldCanvas *canvas = nullptr, RunObserver *observer = nullptr,
                int callDepthLimit = defaultCallDepthLimit);
    // The same with the text already read, shared by the runs of one text (a pass per test).
    Interpreter(std::shared_ptr<const AlgorithmLines> lines, World &world, const DelaySettings &delays,
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

    // A run for a driver that shows nothing (the checker, the tests): the waits pass at once
    // on a virtual clock (the observer still hears each, and can add them up) instead of
    // being handed back, and letting the window events through hands back only once in a
    // while, so that the driver can still look at the real time and request a stop there.
    // Pauses and messages are handed back as always.
    void setVirtualClock(bool on) { m_virtualClock = on; }
    // The bounds are looked at wherever the run lets events through (or pauses), and a
    // stop is requested there, just as a click on the stop button would be delivered.
    void setLimits(const RunLimits &limits);

    // The procedure calls under way, the outermost first.
    std::vector<CallSite> callChain() const;

    bool isFinished() const { return m_finished; }
    RunEnd end() const { return m_end; }
    // The message of the last Message yield.
    const RunMessage &message() const { return m_message; }

    // The line highlighted last (-1: none).
    int currentRow() const { return m_currentRow; }

private:
    // The steps of the machine: where a frame goes on when the machine comes back to it.
    enum class Step : unsigned char {
        // The whole run, at the bottom of the stack.
        RunStart,
        NextArrangement,
        PassDone,
        MessageClosed,
        RunFinish,
        // A body run line by line; the frame's part says whose body it is.
        PassStart,
        BodyLine,   // the line at the index: the body's closing line, or a line to run
        BeforeLine, // a procedure lets events through before each line of its body
        LineDone,   // the line has run; the index comes on the last line it consumed
        AfterLine,  // events let through: a stop leaves the body, otherwise the next line
        // ЕСЛИ
        BranchHead,
        BranchDecide,
        ElseStart,
        // ПОКА
        LoopTest,
        LoopBegin,
        LoopExit,
        LoopEndDone, // the body's "КЦ" highlighted and waited on: events, then the head again
        LoopAgain,
        // ДЕЛАЙ
        CallWait,
        CallEnter,
        CallLeave,
        // The statement's own wait, then back to the body with the index (the last line it consumed).
        LineDelay,
        LineLeave,
        // A command that handed control back goes on here (its progress is in m_command).
        Command,
        // The run cannot go on: its message (already in m_message), then the end.
        AbortMessage,
        AbortFinish,
        // A pause; the index holds the wait it came before (-1: none).
        Pause
    };

    // Whose body a frame runs, and so which line closes it.
    enum class Part : unsigned char {
        None,     // no body under way (the run, a structure before or after its body, a line)
        Pass,     // up to "КОН" or the end of the text
        Then,     // up to the branch's "ИНАЧЕ" or "ВСЁ"
        Else,     // up to the branch's "ВСЁ"
        Loop,     // up to the loop's "КЦ"
        Procedure // up to "КОНЕЦ ПРОЦЕДУРЫ"; the frame is a call under way
    };

    struct Frame
    {
        Step step;
        Part part = Part::None;
        int index = 0; // the line the frame stands on
        int head = 0;  // the line that began it (a call comes back on it)
    };

    // Continue: on in the same frame. Dispatch: the stack has changed, on with its top frame.
    enum class Flow { Continue, Dispatch, Yield };

    Flow run();
    Flow runStart(Frame &frame);
    Flow nextArrangement(Frame &frame);
    Flow runBody(Frame &frame);
    Flow closeBody(Frame &frame);
    static const QString &closingLine(Part part);
    Flow leaveBody(Frame &frame);
    Flow endPass(Frame &frame);
    Flow decideBranch(Frame &frame);
    Flow enterProcedure(Frame &frame);
    Flow executeLine(int row);
    Flow advanceCommand();
    Flow leavePause(Frame &frame);

    void highlight(int row)
    {
        m_currentRow = row;
        ++m_passHighlights;
        if (m_highlightObserver)
            m_highlightObserver->lineHighlighted(row);
    }
    // Highlights that belong to the run rather than to a line never pause.
    void showRunRow(int row);
    // Hears the highlights that may pause, for the interpreter, and passes them on to the
    // line observer. A run that never pauses tests nothing more than its observer.
    class PauseWatch : public RunObserver
    {
    public:
        explicit PauseWatch(Interpreter &interpreter)
            : m_interpreter(interpreter)
        {
        }
        void lineHighlighted(int row) override;

    private:
        Interpreter &m_interpreter;
    };

    Q_DECL_COLD_FUNCTION Q_NEVER_INLINE void notePauseRow(int row);
    // `heldWait`: the wait the pause comes before (-1: none).
    Q_DECL_COLD_FUNCTION Q_NEVER_INLINE Flow pause(int heldWait);
    void updatePauseArmed();
    void updateHooks();
    void refreshFieldView();
    void redrawField();
    void setArrangement(int number);
    bool conditionHolds(LineKind kind) const;
    // A wait of no time that no one hears is nothing at all.
    Flow wait(int milliseconds)
    {
        if (!m_isZeroWaitHeard && milliseconds <= 0)
            return Flow::Continue;
        return clockWait(milliseconds);
    }
    Flow lineWait() { return wait(m_context.delays.lineDelay); }
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
    Q_DECL_COLD_FUNCTION Q_NEVER_INLINE Flow missingLine(const QString &line);
    Flow finishRun(RunEnd end);
    void returnFromFrame(int index)
    {
        m_returnIndex = index;
        m_stack.pop_back();
    }
    // A line that handed control back inside a wait may have paused there: the pause goes on first.
    void pushBelowPause(Step first, int index);
    void push(Step first, Part part, int index)
    {
        ++m_passSteps;
        m_stack.push_back(Frame{first, part, index, index});
    }

    std::shared_ptr<const AlgorithmLines> m_text;
    const AlgorithmLines &m_lines;
    World &m_world;
    CommandContext m_context;
    FieldCanvas *m_canvas;
    RunObserver *m_observer;
    int m_callDepthLimit;

    PauseWatch m_pauseWatch;
    RunObserver *m_highlightObserver = nullptr;
    bool m_isZeroWaitHeard = false;

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
    // Steps of the machine in the current pass: each frame entered, and each time the run
    // lets events through. Between two steps the machine does a bounded amount of work.
    qint64 m_passSteps = 0;
    qint64 m_highlightBound = unbounded;
    qint64 m_stepBound = unbounded;
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
