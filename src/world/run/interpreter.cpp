#include "world/run/interpreter.h"

#include "editor/linekind.h"
#include "world/commands/runobserver.h"
#include "world/commands/runtexts.h"
#include "world/model/arrangementworld.h"
#include "world/model/fieldcanvas.h"
#include "world/model/runcontrol.h"
#include "world/model/world.h"

#include <algorithm>

namespace {

// Only a line of these kinds can close a body; every other line is run.
bool mayCloseBody(LineKind kind)
{
    switch (kind) {
    case LineKind::End:
    case LineKind::Else:
    case LineKind::BranchEnd:
    case LineKind::LoopEnd:
    case LineKind::ProcedureEnd: return true;
    default: return false;
    }
}

ExecutorCommand::Kind commandOf(LineKind kind)
{
    switch (kind) {
    case LineKind::Step: return ExecutorCommand::Kind::Step;
    case LineKind::Jump: return ExecutorCommand::Kind::Jump;
    default: return ExecutorCommand::Kind::Turn;
    }
}

} // namespace

inline bool Interpreter::conditionHolds(LineKind kind) const
{
    switch (kind) {
    case LineKind::BranchIfWall:
    case LineKind::LoopIfWall: return wallAhead(m_world);
    case LineKind::BranchIfNoWall:
    case LineKind::LoopIfNoWall: return !wallAhead(m_world);
    default: return false;
    }
}

Interpreter::Interpreter(const QStringList &lines, World &world, const DelaySettings &delays,
                         FieldCanvas *canvas, RunObserver *observer, int callDepthLimit)
    : Interpreter(std::make_shared<const AlgorithmLines>(lines), world, delays, canvas, observer,
                  callDepthLimit)
{
}

Interpreter::Interpreter(std::shared_ptr<const AlgorithmLines> lines, World &world,
                         const DelaySettings &delays, FieldCanvas *canvas, RunObserver *observer,
                         int callDepthLimit)
    : m_text(std::move(lines))
    , m_lines(*m_text)
    , m_world(world)
    , m_context{world, canvas, observer, delays,
                observer && observer->isFollowingLines() ? observer : nullptr}
    , m_canvas(canvas)
    , m_observer(observer)
    , m_callDepthLimit(std::max(1, callDepthLimit))
    , m_pauseWatch(*this)
{
    m_stack.reserve(64);
    updateHooks();
}

RunYield Interpreter::resume()
{
    if (m_finished)
        return m_yield;
    if (!m_started) {
        m_started = true;
        push(Step::RunStart, Part::None, 0);
    }
    run();
    return m_yield;
}

// The machine: the top frame goes on from its step until the run has to hand control back.
// A step that changes the stack dispatches anew; every reference to a frame is dead after
// that, and after a yield.
Interpreter::Flow Interpreter::run()
{
    const int count = m_lines.count();
    for (;;) {
        Frame &frame = m_stack.back();
        Flow flow = Flow::Continue;
        switch (frame.step) {
        case Step::RunStart: flow = runStart(frame); break;
        case Step::NextArrangement: flow = nextArrangement(frame); break;
        case Step::PassDone:
            frame.step = Step::MessageClosed;
            return showMessage(arrangementMessage(m_arrangement));
        case Step::MessageClosed:
            ++m_arrangementNumber;
            frame.step = Step::NextArrangement;
            break;
        case Step::RunFinish:
            showRunRow(m_lastPassEnd < count ? m_lastPassEnd : -1);
            return finishRun(RunEnd::Complete);

        case Step::PassStart:
            m_inPass = true;
            m_passHighlights = 0;
            m_passLines = 0;
            m_passSteps = 0;
            if (m_observer)
                m_observer->passStarted(m_arrangement);
            frame.index = 0;
            frame.step = Step::BodyLine;
            break;

        case Step::ElseStart:
        case Step::LoopTest:
        case Step::LoopBegin:
        case Step::BodyLine:
        case Step::BeforeLine:
        case Step::LineDone:
        case Step::AfterLine:
        case Step::LoopEndDone:
        case Step::LoopAgain: flow = runBody(frame); break;

        case Step::BranchHead:
            highlight(frame.head);
            frame.step = Step::BranchDecide;
            if (lineWait() == Flow::Yield)
                return Flow::Yield;
            [[fallthrough]];
        case Step::BranchDecide: flow = decideBranch(frame); break;

        case Step::LoopExit: {
            const int end = m_lines.loopSkipEnd(frame.head);
            if (end == AlgorithmLines::missing) {
                flow = missingLine(AlgorithmKeyword::loopEnd);
                break;
            }
            frame.index = end;
            frame.part = Part::None;
            frame.step = Step::LineDelay;
            break;
        }

        case Step::CallWait:
            frame.step = Step::CallEnter;
            if (lineWait() == Flow::Yield)
                return Flow::Yield;
            [[fallthrough]];
        case Step::CallEnter: flow = enterProcedure(frame); break;
        case Step::CallLeave:
            --m_callDepth;
            frame.index = frame.head;
            frame.part = Part::None;
            frame.step = Step::LineDelay;
            [[fallthrough]];
        case Step::LineDelay:
            frame.step = Step::LineLeave;
            if (lineWait() == Flow::Yield)
                return Flow::Yield;
            [[fallthrough]];
        case Step::LineLeave:
            returnFromFrame(frame.index);
            flow = Flow::Dispatch;
            break;
        case Step::Command:
            if (advanceCommand() == Flow::Yield)
                return Flow::Yield;
            returnFromFrame(frame.index);
            flow = Flow::Dispatch;
            break;

        case Step::AbortMessage: frame.step = Step::AbortFinish; return showMessage(m_message);
        case Step::AbortFinish: return finishRun(RunEnd::Error);
        case Step::Pause: flow = leavePause(frame); break;
        }
        if (flow == Flow::Yield)
            return Flow::Yield;
    }
}

// A body line by line, and a loop round by round: the steps follow each other in the order
// written, each entered where the frame went on from; only the way on to the next line and
// back to a loop's head jump, and neither leaves this frame. Dispatch: the stack has changed.
Interpreter::Flow Interpreter::runBody(Frame &frame)
{
    const int count = m_lines.count();
    // The step is kept here as well, so that going on to a known step needs no look-up;
    // the frame learns it before anything that may hand control back.
    Step step = frame.step;
    const auto go = [&step, &frame](Step next) {
        step = next;
        frame.step = next;
    };
    for (;;) {
        if (step == Step::ElseStart) {
            ++frame.index;
            frame.part = Part::Else;
            go(Step::BodyLine);
        }
        if (step == Step::LoopTest) {
            highlight(frame.head);
            if (!conditionHolds(m_lines.kind(frame.head))) {
                go(Step::LoopExit);
                return lineWait() == Flow::Yield ? Flow::Yield : Flow::Dispatch;
            }
            go(Step::LoopBegin);
            if (lineWait() == Flow::Yield)
                return Flow::Yield;
        }
        if (step == Step::LoopBegin) {
            if (frame.head + 1 >= count)
                return missingLine(AlgorithmKeyword::loopBegin);
            highlight(frame.head + 1);
            frame.index = frame.head + 2;
            frame.part = Part::Loop;
            go(Step::BodyLine);
            if (lineWait() == Flow::Yield)
                return Flow::Yield;
        }
        if (step == Step::BodyLine) {
            if (frame.index >= count || mayCloseBody(m_lines.kind(frame.index))) {
                if (frame.part == Part::Loop && frame.index < count
                    && m_lines.kind(frame.index) == LineKind::LoopEnd) {
                    highlight(frame.index);
                    go(Step::LoopEndDone);
                    if (lineWait() == Flow::Yield)
                        return Flow::Yield;
                } else {
                    const Flow flow = closeBody(frame);
                    if (flow != Flow::Continue)
                        return flow;
                }
            }
        }
        if (step == Step::BodyLine) {
            go(Step::BeforeLine);
            if (frame.part == Part::Procedure) {
                if (processEvents() == Flow::Yield)
                    return Flow::Yield;
            }
        }
        if (step == Step::BeforeLine) {
            if (frame.part == Part::Procedure && m_stopRequested) {
                go(Step::CallLeave);
                return Flow::Dispatch;
            }
            go(Step::LineDone);
            const Flow flow = executeLine(frame.index);
            if (flow != Flow::Continue)
                return flow;
        }
        if (step == Step::LineDone) {
            frame.index = m_returnIndex;
            go(Step::AfterLine);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
        }
        if (step == Step::AfterLine) {
            if (m_stopRequested)
                return leaveBody(frame);
            ++frame.index;
            go(Step::BodyLine);
            continue;
        }
        if (step == Step::LoopEndDone) {
            go(Step::LoopAgain);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
        }
        if (m_stopRequested)
            return leaveBody(frame);
        frame.index = frame.head;
        go(Step::LoopTest);
    }
}

// The whole run: the field redrawn, then one pass per arrangement of the variable walls
// (the first wall's variant changing slowest), each complete pass announced by a message.
Interpreter::Flow Interpreter::runStart(Frame &frame)
{
    redrawField();
    showRunRow(m_lines.count() > 0 ? 0 : -1);
    refreshFieldView();
    m_stopRequested = false;
    m_crashed = false;
    m_variableWalls = std::min(m_world.walls.variableWallCount(), int(WallModel::maxVariableWalls));
    if (m_variableWalls == 0) {
        m_arrangement.clear();
        frame.step = Step::RunFinish;
        push(Step::PassStart, Part::Pass, 0);
        return Flow::Dispatch;
    }
    m_arrangementNumber = 0;
    frame.step = Step::NextArrangement;
    return Flow::Continue;
}

Interpreter::Flow Interpreter::nextArrangement(Frame &frame)
{
    if (m_arrangementNumber == 1 << m_variableWalls) {
        frame.step = Step::RunFinish;
        return Flow::Continue;
    }
    redrawField();
    showRunRow(m_lines.count() > 0 ? 0 : -1);
    setArrangement(m_arrangementNumber);
    refreshFieldView();
    frame.step = Step::PassDone;
    push(Step::PassStart, Part::Pass, 0);
    return Flow::Dispatch;
}

// At the line the body stands on: its closing line ends it, a line past the text is missing;
// Continue leaves any other line to run.
Interpreter::Flow Interpreter::closeBody(Frame &frame)
{
    const Part part = frame.part;
    if (frame.index >= m_lines.count())
        return part == Part::Pass ? endPass(frame) : missingLine(closingLine(part));
    const LineKind kind = m_lines.kind(frame.index);
    switch (part) {
    case Part::Pass:
        if (m_lines.isMainEnd(frame.index))
            return endPass(frame);
        return Flow::Continue;
    case Part::Then:
        if (kind == LineKind::Else) {
            // The else part is passed over: the branch ends on its "ВСЁ".
            const int end = m_lines.elseSkipEnd(frame.index);
            if (end == AlgorithmLines::missing)
                return missingLine(AlgorithmKeyword::branchEnd);
            frame.index = end;
            break;
        }
        if (kind == LineKind::BranchEnd)
            break;
        return Flow::Continue;
    case Part::Else:
        if (kind == LineKind::BranchEnd)
            break;
        return Flow::Continue;
    case Part::Loop: return Flow::Continue; // its "КЦ" goes on to the head, see runBody()
    case Part::Procedure:
        if (kind != LineKind::ProcedureEnd)
            return Flow::Continue;
        highlight(frame.index);
        frame.step = Step::CallLeave;
        return lineWait() == Flow::Yield ? Flow::Yield : Flow::Dispatch;
    case Part::None: return Flow::Continue;
    }
    // The branch's closing line: highlighted and waited on, then the branch line's own wait.
    highlight(frame.index);
    frame.part = Part::None;
    frame.step = Step::LineDelay;
    return lineWait() == Flow::Yield ? Flow::Yield : Flow::Dispatch;
}

// The line a body cannot do without, named in the message when the text ends before it.
const QString &Interpreter::closingLine(Part part)
{
    switch (part) {
    case Part::Then:
    case Part::Else: return AlgorithmKeyword::branchEnd;
    case Part::Loop: return AlgorithmKeyword::loopEnd;
    default: return AlgorithmKeyword::procedureEnd;
    }
}

// A stop met in a body: the pass ends the run, a call goes back to its ДЕЛАЙ, any other
// structure to its caller on the line it stands on, each with its line's wait.
Interpreter::Flow Interpreter::leaveBody(Frame &frame)
{
    switch (frame.part) {
    case Part::Pass: return finishRun(RunEnd::Stopped);
    case Part::Procedure: frame.step = Step::CallLeave; break;
    default:
        frame.part = Part::None;
        frame.step = Step::LineDelay;
        break;
    }
    return Flow::Dispatch;
}

Interpreter::Flow Interpreter::endPass(Frame &frame)
{
    m_lastPassEnd = frame.index;
    m_inPass = false;
    if (m_observer)
        m_observer->passEnded(RunEnd::Complete, m_passLines);
    returnFromFrame(frame.index);
    return Flow::Dispatch;
}

// ЕСЛИ: the then part up to its "ИНАЧЕ" or "ВСЁ", or the else part, each line executed in
// turn; the branch ends on its "ВСЁ" line (unless stopped).
Interpreter::Flow Interpreter::decideBranch(Frame &frame)
{
    if (conditionHolds(m_lines.kind(frame.head))) {
        if (frame.head + 1 >= m_lines.count())
            return missingLine(AlgorithmKeyword::then);
        highlight(frame.head + 1);
        frame.index = frame.head + 2;
        frame.part = Part::Then;
        frame.step = Step::BodyLine;
    } else {
        const int end = m_lines.branchSkipEnd(frame.head);
        if (end == AlgorithmLines::missing)
            return missingLine(AlgorithmKeyword::branchEnd);
        frame.index = end;
        highlight(end);
        frame.step = m_lines.kind(end) == LineKind::Else ? Step::ElseStart : Step::LineDelay;
    }
    return lineWait();
}

// ДЕЛАЙ: the first description of the name is run, its head and its "КОНЕЦ ПРОЦЕДУРЫ"
// highlighted; the caller goes on after its ДЕЛАЙ line. An unknown name does nothing.
Interpreter::Flow Interpreter::enterProcedure(Frame &frame)
{
    const int target = m_lines.callTarget(frame.head);
    if (target < 0) {
        frame.step = Step::LineDelay;
        return Flow::Continue;
    }
    if (m_callDepth >= m_callDepthLimit)
        return fail(callsTooDeepMessage(m_callDepthLimit));
    ++m_callDepth;
    highlight(target);
    frame.index = target + 1;
    frame.part = Part::Procedure;
    frame.step = Step::BodyLine;
    return lineWait();
}

// Highlights the line and executes the statement that begins there: a structure gets a
// frame of its own, which ends with the line's wait; any other line runs here, its wait
// included, and hands control back from frames of its own only when it has to. Continue:
// done, with m_returnIndex on the last line the statement consumed.
Interpreter::Flow Interpreter::executeLine(int row)
{
    highlight(row);
    ++m_passLines;
    int last = row;
    const LineKind kind = m_lines.kind(row);
    switch (kind) {
    case LineKind::Turn:
    case LineKind::Step:
    case LineKind::Jump:
        m_command = ExecutorCommand(commandOf(kind));
        // A command moves the executor at once: a pause on its line comes before that.
        if (m_pausePending) [[unlikely]] {
            push(Step::LineDelay, Part::None, row);
            push(Step::Command, Part::None, row);
            return pause(-1);
        }
        if (advanceCommand() == Flow::Yield) {
            pushBelowPause(Step::LineDelay, row);
            pushBelowPause(Step::Command, row);
            return Flow::Yield;
        }
        break;
    case LineKind::BranchIfWall:
    case LineKind::BranchIfNoWall:
    case LineKind::BranchOther: push(Step::BranchHead, Part::None, row); return Flow::Dispatch;
    case LineKind::LoopIfWall:
    case LineKind::LoopIfNoWall:
    case LineKind::LoopOther: push(Step::LoopTest, Part::None, row); return Flow::Dispatch;
    case LineKind::Call: push(Step::CallWait, Part::None, row); return Flow::Dispatch;
    case LineKind::ProcedureHead:
        // A description met in the flow is passed over unseen, up to its "КОНЕЦ ПРОЦЕДУРЫ".
        last = m_lines.procedureEnd(row);
        if (last == AlgorithmLines::missing)
            return missingLine(AlgorithmKeyword::procedureEnd);
        break;
    default: break;
    }
    if (lineWait() == Flow::Yield) {
        pushBelowPause(Step::LineLeave, last);
        return Flow::Yield;
    }
    m_returnIndex = last;
    return Flow::Continue;
}

void Interpreter::pushBelowPause(Step first, int index)
{
    ++m_passSteps;
    const auto below = m_stack.back().step == Step::Pause ? m_stack.end() - 1 : m_stack.end();
    m_stack.insert(below, Frame{first, Part::None, index, index});
}

// Continue: the command is over.
Interpreter::Flow Interpreter::advanceCommand()
{
    for (;;) {
        const ExecutorCommand::Pause pause = m_command.advance(m_context);
        if (m_command.hasCrashed()) {
            m_stopRequested = true;
            m_crashed = true;
        }
        switch (pause.kind) {
        case ExecutorCommand::Pause::Kind::Wait:
            if (wait(pause.milliseconds) == Flow::Yield)
                return Flow::Yield;
            continue;
        case ExecutorCommand::Pause::Kind::Message: return showMessage(wallCrashMessage());
        case ExecutorCommand::Pause::Kind::Done: return Flow::Continue;
        }
    }
}

void Interpreter::showRunRow(int row)
{
    m_currentRow = row;
    ++m_passHighlights;
    m_lastPauseRow = -1;
    if (m_context.lineObserver)
        m_context.lineObserver->lineHighlighted(row);
}

// The pause itself waits for the next place where the run can hand control back: the
// wait after the highlight, or the start of a command.
void Interpreter::notePauseRow(int row)
{
    if (row == m_lastPauseRow)
        return;
    m_lastPauseRow = row;
    if (m_stepping || (row >= 0 && size_t(row) < m_breakpoints.size() && m_breakpoints[size_t(row)])) {
        m_pausePending = true;
        updateHooks();
    }
}

// While pausing is armed, highlights reach the line observer through the watch, and while
// a pause is due, even the waits of no time are looked at. Otherwise they go to the line
// observer straight, as in a run that never pauses.
void Interpreter::updateHooks()
{
    m_highlightObserver = m_pauseArmed ? &m_pauseWatch : m_context.lineObserver;
    m_isZeroWaitHeard = m_pausePending || m_context.lineObserver;
}

void Interpreter::PauseWatch::lineHighlighted(int row)
{
    if (m_interpreter.m_context.lineObserver)
        m_interpreter.m_context.lineObserver->lineHighlighted(row);
    m_interpreter.notePauseRow(row);
}

void Interpreter::setBreakpoints(const QList<int> &rows)
{
    m_breakpoints.assign(size_t(m_lines.count()), false);
    m_breakpointCount = 0;
    for (const int row : rows) {
        if (row < 0 || row >= m_lines.count() || m_breakpoints[size_t(row)])
            continue;
        m_breakpoints[size_t(row)] = true;
        ++m_breakpointCount;
    }
    updatePauseArmed();
}

void Interpreter::setStepping(bool stepping)
{
    m_stepping = stepping;
    updatePauseArmed();
}

void Interpreter::updatePauseArmed()
{
    const bool armed = m_stepping || m_breakpointCount > 0;
    // Armed anew (the pause button), the line under way runs to its end first.
    if (armed && !m_pauseArmed)
        m_lastPauseRow = m_currentRow;
    m_pauseArmed = armed;
    if (!armed)
        m_pausePending = false;
    updateHooks();
}

// Stopped while paused, the line shown is not run; otherwise the wait held back by the
// pause comes first. The pause's frame keeps that wait in its index (-1: none) and leaves
// the return index alone.
Interpreter::Flow Interpreter::leavePause(Frame &frame)
{
    if (m_stopRequested)
        return finishRun(RunEnd::Stopped);
    const int milliseconds = frame.index;
    m_stack.pop_back();
    if (milliseconds >= 0 && wait(milliseconds) == Flow::Yield)
        return Flow::Yield;
    return Flow::Dispatch;
}

// Every reference to a frame is dead once this returns: its callers hand the yield back at once.
Interpreter::Flow Interpreter::pause(int heldWait)
{
    checkLimits();
    m_pausePending = false;
    updateHooks();
    push(Step::Pause, Part::None, heldWait);
    m_yield = {RunYield::Kind::Paused, 0, RunEnd::Complete};
    return Flow::Yield;
}

std::vector<CallSite> Interpreter::callChain() const
{
    std::vector<CallSite> chain;
    for (const Frame &frame : m_stack) {
        if (frame.part == Part::Procedure)
            chain.push_back({frame.head, m_lines.callTarget(frame.head)});
    }
    return chain;
}

void Interpreter::refreshFieldView()
{
    if (m_context.lineObserver)
        m_context.lineObserver->fieldRefreshed();
}

// The empty field, then the task objects with the executor back on its start.
void Interpreter::redrawField()
{
    if (m_canvas)
        m_canvas->drawEmptyField();
    resetExecutorToStart(m_world);
    if (m_canvas)
        m_canvas->drawTaskObjects(m_world);
    refreshFieldView();
}

// Sets the variable walls to arrangement `number` of the run.
void Interpreter::setArrangement(int number)
{
    m_arrangement.clear();
    // The walls may have changed since the run counted them; only those that exist are set.
    const int existing = std::min(m_variableWalls, m_world.walls.variableWallCount());
    for (int k = 0; k < m_variableWalls; ++k) {
        const int selector = arrangementSelector(number, m_variableWalls, k);
        m_arrangement.append(selector);
        if (k < existing)
            setVariableWall(m_world.walls, k, selector, m_canvas);
    }
}

// A wait of no time is told (to an observer that follows the lines) but not handed to the
// driver: it returns at once anyway.
Interpreter::Flow Interpreter::clockWait(int milliseconds)
{
    // A pause comes before the wait and holds it back.
    if (m_pausePending) [[unlikely]]
        return pause(milliseconds);
    if (RunObserver *heard = milliseconds > 0 ? m_observer : m_context.lineObserver)
        heard->waitStarted(milliseconds);
    if (milliseconds <= 0)
        return Flow::Continue;
    if (m_virtualClock)
        return Flow::Continue;
    m_yield = {RunYield::Kind::Wait, milliseconds, RunEnd::Complete};
    return Flow::Yield;
}

Interpreter::Flow Interpreter::handBackEvents()
{
    m_quietEvents = eventsPerHandBack;
    m_yield = {RunYield::Kind::ProcessEvents, 0, RunEnd::Complete};
    return Flow::Yield;
}

void Interpreter::setLimits(const RunLimits &limits)
{
    m_highlightBound = limits.highlights > 0 ? limits.highlights : unbounded;
    m_stepBound = limits.steps > 0 ? limits.steps : unbounded;
}

Interpreter::Flow Interpreter::showMessage(const RunMessage &message)
{
    m_message = message;
    if (m_observer)
        m_observer->messageShown(m_message);
    m_yield = {RunYield::Kind::Message, 0, RunEnd::Complete};
    return Flow::Yield;
}

// Ends the run at this moment: every frame under way is dropped, the message follows.
Interpreter::Flow Interpreter::fail(const RunMessage &message)
{
    m_message = message;
    m_stack.clear();
    push(Step::AbortMessage, Part::None, 0);
    return Flow::Dispatch;
}

Interpreter::Flow Interpreter::missingLine(const QString &line)
{
    return fail(missingLineMessage(line));
}

Interpreter::Flow Interpreter::finishRun(RunEnd end)
{
    if (m_crashed)
        end = severerEnd(end, RunEnd::Crash);
    m_end = end;
    if (m_inPass) {
        m_inPass = false;
        if (m_observer)
            m_observer->passEnded(end, m_passLines);
    }
    m_stack.clear();
    m_callDepth = 0;
    m_pausePending = false;
    updateHooks();
    m_finished = true;
    m_yield = {RunYield::Kind::Finished, 0, end};
    if (m_observer)
        m_observer->runFinished(end);
    return Flow::Yield;
}
