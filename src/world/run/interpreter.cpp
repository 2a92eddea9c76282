#include "world/run/interpreter.h"

#include "world/commands/runobserver.h"
#include "world/commands/runtexts.h"
#include "world/model/fieldcanvas.h"
#include "world/model/world.h"

#include <algorithm>

namespace {

// The lines that are a structure of their own; every other line is run in one go.
bool needsRoutine(LineKind kind)
{
    switch (kind) {
    case LineKind::BranchIfWall:
    case LineKind::BranchIfNoWall:
    case LineKind::BranchOther:
    case LineKind::LoopIfWall:
    case LineKind::LoopIfNoWall:
    case LineKind::LoopOther:
    case LineKind::ProcedureHead:
    case LineKind::Call: return true;
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
    : m_lines(lines)
    , m_world(world)
    , m_context{world, canvas, observer, delays}
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
        push(Routine::Run, {.run = RunStep::Start}, 0);
    }
    for (;;) {
        ++m_passSteps;
        Frame &frame = m_stack.back();
        Flow flow = Flow::Continue;
        switch (frame.routine) {
        case Routine::Run: flow = runAlgorithm(frame); break;
        case Routine::Pass: flow = runPass(frame); break;
        case Routine::Line: flow = executeLine(frame); break;
        case Routine::Branch: flow = executeBranch(frame); break;
        case Routine::Loop: flow = executeLoop(frame); break;
        case Routine::Call: flow = callProcedure(frame); break;
        case Routine::Command: flow = playCommand(); break;
        case Routine::Abort: flow = abortRun(frame); break;
        case Routine::Pause: flow = leavePause(frame); break;
        }
        if (flow == Flow::Yield)
            return m_yield;
    }
}

// The whole run: the field redrawn, then one pass per arrangement of the variable walls
// (the first wall's variant changing slowest), each complete pass announced by a message.
Interpreter::Flow Interpreter::runAlgorithm(Frame &frame)
{
    using enum RunStep;
    RunStep &step = frame.step.run;
    for (;;) {
        switch (step) {
        case Start:
            redrawField();
            showRunRow(m_lines.count() > 0 ? 0 : -1);
            refreshFieldView();
            if (m_observer)
                m_observer->workItemEnabledChanged(false);
            m_stopRequested = false;
            m_crashed = false;
            m_variableWalls = std::min(m_world.walls.variableWallCount(), int(WallModel::maxVariableWalls));
            if (m_variableWalls == 0) {
                m_arrangement.clear();
                step = Finish;
                push(Routine::Pass, {.pass = PassStep::Start}, 0);
                return Flow::Continue;
            }
            if (m_observer)
                m_observer->wallTimersStopped(m_variableWalls);
            m_arrangementNumber = 0;
            step = NextArrangement;
            continue;
        case NextArrangement:
            if (m_arrangementNumber == 1 << m_variableWalls) {
                step = Finish;
                continue;
            }
            redrawField();
            showRunRow(m_lines.count() > 0 ? 0 : -1);
            setArrangement(m_arrangementNumber);
            refreshFieldView();
            step = PassDone;
            push(Routine::Pass, {.pass = PassStep::Start}, 0);
            return Flow::Continue;
        case PassDone: step = MessageClosed; return showMessage(arrangementMessage(m_arrangement));
        case MessageClosed:
            ++m_arrangementNumber;
            step = NextArrangement;
            continue;
        case Finish:
            showRunRow(m_lastPassEnd < m_lines.count() ? m_lastPassEnd : -1);
            return finishRun(RunEnd::Complete);
        }
    }
}

// One pass from line 0 up to the first line that is exactly "КОН" (or the end of the text).
Interpreter::Flow Interpreter::runPass(Frame &frame)
{
    using enum PassStep;
    // The step is kept here as well, so that going on to a known step needs no look-up;
    // the frame learns it before anything that may hand control back.
    PassStep step = frame.step.pass;
    const auto go = [&step, &frame](PassStep next) {
        step = next;
        frame.step.pass = next;
    };
    for (;;) {
        switch (step) {
        case Start:
            m_inPass = true;
            m_passHighlights = 0;
            m_passLines = 0;
            m_passSteps = 0;
            if (m_observer)
                m_observer->passStarted(m_arrangement);
            frame.index = 0;
            go(NextLine);
            continue;
        case NextLine:
            if (frame.index < m_lines.count() && !m_lines.isMainEnd(frame.index)) {
                go(LineDone);
                if (needsRoutine(m_lines.kind(frame.index))) {
                    push(Routine::Line, {.line = LineStep::Execute}, frame.index);
                    return Flow::Continue;
                }
                if (executeSimpleLine(frame.index) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            m_lastPassEnd = frame.index;
            m_inPass = false;
            if (m_observer)
                m_observer->passEnded(RunEnd::Complete, m_passLines);
            returnFromRoutine(frame.index);
            return Flow::Continue;
        case LineDone:
            frame.index = m_returnIndex;
            go(AfterLine);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
            continue;
        case AfterLine:
            if (m_stopRequested)
                return finishRun(RunEnd::Stopped);
            ++frame.index;
            go(NextLine);
            continue;
        }
    }
}

// Highlights the line, executes the statement that begins there and waits one line delay.
// The index comes back on the last line the statement consumed.
Interpreter::Flow Interpreter::executeLine(Frame &frame)
{
    using enum LineStep;
    LineStep &step = frame.step.line;
    switch (step) {
    case Execute:
        highlight(frame.index);
        ++m_passLines;
        switch (m_lines.kind(frame.index)) {
        case LineKind::Turn: m_command = ExecutorCommand(ExecutorCommand::Kind::Turn); break;
        case LineKind::Step: m_command = ExecutorCommand(ExecutorCommand::Kind::Step); break;
        case LineKind::Jump: m_command = ExecutorCommand(ExecutorCommand::Kind::Jump); break;
        case LineKind::BranchIfWall:
        case LineKind::BranchIfNoWall:
        case LineKind::BranchOther:
            step = StatementDone;
            push(Routine::Branch, {.branch = BranchStep::Head}, frame.index);
            return Flow::Continue;
        case LineKind::LoopIfWall:
        case LineKind::LoopIfNoWall:
        case LineKind::LoopOther:
            step = StatementDone;
            push(Routine::Loop, {.loop = LoopStep::Test}, frame.index);
            return Flow::Continue;
        case LineKind::ProcedureHead: step = Delay; return skipProcedureDescription(frame);
        case LineKind::Call:
            step = Delay;
            push(Routine::Call, {.call = CallStep::Start}, frame.index);
            return Flow::Continue;
        default: step = Delay; return executeLine(frame);
        }
        step = Delay;
        // A command moves the executor at once: a pause on its line comes before that.
        if (m_pausePending) [[unlikely]] {
            push(Routine::Command, {}, frame.index);
            return pause(-1);
        }
        // The command runs here unless it has to hand control back; only then does it
        // need a frame of its own to go on from.
        if (advanceCommand() == Flow::Yield) {
            pushBelowPause(Routine::Command, {}, frame.index);
            return Flow::Yield;
        }
        return finishLine(frame);
    case StatementDone: frame.index = m_returnIndex; return finishLine(frame);
    case Delay: return finishLine(frame);
    case Leave: break;
    }
    returnFromRoutine(frame.index);
    return Flow::Continue;
}

// A line that is no structure, as executeLine() runs it, but without a frame of its own as
// long as it does not hand control back; when it does, it gets the frames it goes on from.
Interpreter::Flow Interpreter::executeSimpleLine(int row)
{
    highlight(row);
    ++m_passLines;
    const LineKind kind = m_lines.kind(row);
    if (kind == LineKind::Turn || kind == LineKind::Step || kind == LineKind::Jump) {
        m_command = ExecutorCommand(commandOf(kind));
        if (m_pausePending) [[unlikely]] {
            push(Routine::Line, {.line = LineStep::Delay}, row);
            push(Routine::Command, {}, row);
            return pause(-1);
        }
        if (advanceCommand() == Flow::Yield) {
            pushBelowPause(Routine::Line, {.line = LineStep::Delay}, row);
            pushBelowPause(Routine::Command, {}, row);
            return Flow::Yield;
        }
    }
    if (wait(m_context.delays.lineDelay) == Flow::Yield) {
        pushBelowPause(Routine::Line, {.line = LineStep::Leave}, row);
        return Flow::Yield;
    }
    m_returnIndex = row;
    return Flow::Continue;
}

// A routine that handed control back inside a wait may have paused there: the pause goes on first.
void Interpreter::pushBelowPause(Routine routine, Step first, int index)
{
    const auto below = m_stack.back().routine == Routine::Pause ? m_stack.end() - 1 : m_stack.end();
    m_stack.insert(below, Frame{routine, first, false, index, index});
}

// The line's own wait, then back to whoever executed it.
Interpreter::Flow Interpreter::finishLine(Frame &frame)
{
    frame.step.line = LineStep::Leave;
    if (wait(m_context.delays.lineDelay) == Flow::Yield)
        return Flow::Yield;
    returnFromRoutine(frame.index);
    return Flow::Continue;
}

// ЕСЛИ: the then part up to its "ИНАЧЕ" or "ВСЁ", or the else part, each line executed in
// turn; comes back on the branch's "ВСЁ" line (unless stopped).
Interpreter::Flow Interpreter::executeBranch(Frame &frame)
{
    using enum BranchStep;
    BranchStep step = frame.step.branch;
    const auto go = [&step, &frame](BranchStep next) {
        step = next;
        frame.step.branch = next;
    };
    const int count = m_lines.count();
    for (;;) {
        switch (step) {
        case Head:
            highlight(frame.head);
            go(Decide);
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case Decide:
            if (conditionHolds(m_lines.kind(frame.head))) {
                if (frame.head + 1 >= count)
                    return missingLine("ТО");
                highlight(frame.head + 1);
                frame.index = frame.head + 2;
                go(ThenLine);
            } else {
                const int end = m_lines.branchSkipEnd(frame.head);
                if (end == AlgorithmLines::missing)
                    return missingLine("ВСЁ");
                frame.index = end;
                highlight(end);
                go(m_lines.kind(end) == LineKind::Else ? ElseStart : Leave);
            }
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case ThenLine: {
            if (frame.index >= count)
                return missingLine("ВСЁ");
            const LineKind kind = m_lines.kind(frame.index);
            if (kind == LineKind::Else) {
                const int end = m_lines.elseSkipEnd(frame.index);
                if (end == AlgorithmLines::missing)
                    return missingLine("ВСЁ");
                frame.index = end;
            }
            if (kind == LineKind::Else || kind == LineKind::BranchEnd) {
                highlight(frame.index);
                go(Leave);
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            go(ThenDone);
            if (needsRoutine(m_lines.kind(frame.index))) {
                push(Routine::Line, {.line = LineStep::Execute}, frame.index);
                return Flow::Continue;
            }
            if (executeSimpleLine(frame.index) == Flow::Yield)
                return Flow::Yield;
            continue;
        }
        case ThenDone:
            frame.index = m_returnIndex;
            go(ThenTest);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
            continue;
        case ThenTest:
            if (m_stopRequested)
                break;
            ++frame.index;
            go(ThenLine);
            continue;
        case ElseStart:
            ++frame.index;
            go(ElseLine);
            continue;
        case ElseLine:
            if (frame.index >= count)
                return missingLine("ВСЁ");
            if (m_lines.kind(frame.index) == LineKind::BranchEnd) {
                highlight(frame.index);
                go(Leave);
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            go(ElseDone);
            if (needsRoutine(m_lines.kind(frame.index))) {
                push(Routine::Line, {.line = LineStep::Execute}, frame.index);
                return Flow::Continue;
            }
            if (executeSimpleLine(frame.index) == Flow::Yield)
                return Flow::Yield;
            continue;
        case ElseDone:
            frame.index = m_returnIndex;
            go(ElseTest);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
            continue;
        case ElseTest:
            if (m_stopRequested)
                break;
            ++frame.index;
            go(ElseLine);
            continue;
        case Leave: break;
        }
        returnFromRoutine(frame.index);
        return Flow::Continue;
    }
}

// ПОКА: while the condition holds, its head, its НЦ line and its body up to the first "КЦ"
// at its own level; then the head once more and on to the matching "КЦ".
Interpreter::Flow Interpreter::executeLoop(Frame &frame)
{
    using enum LoopStep;
    LoopStep step = frame.step.loop;
    const auto go = [&step, &frame](LoopStep next) {
        step = next;
        frame.step.loop = next;
    };
    const int count = m_lines.count();
    // The steps follow each other in the order written, each one entered where the frame
    // went on from; only the way back to the head or to the next body line jumps.
    for (;;) {
        if (step == Test) {
            highlight(frame.head);
            go(conditionHolds(m_lines.kind(frame.head)) ? Begin : Finish);
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
        }
        if (step == Finish) {
            const int end = m_lines.loopSkipEnd(frame.head);
            if (end == AlgorithmLines::missing)
                return missingLine("КЦ");
            returnFromRoutine(end);
            return Flow::Continue;
        }
        if (step == Begin) {
            if (frame.head + 1 >= count)
                return missingLine("НЦ");
            highlight(frame.head + 1);
            frame.index = frame.head + 2;
            frame.bodyEnded = false;
            go(BodyLine);
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
        }
        for (;;) {
            if (step == BodyLine) {
                if (frame.index >= count)
                    return missingLine("КЦ");
                if (m_lines.kind(frame.index) == LineKind::LoopEnd) {
                    frame.bodyEnded = true;
                    highlight(frame.index);
                    go(LoopEndDone);
                    if (wait(m_context.delays.lineDelay) == Flow::Yield)
                        return Flow::Yield;
                } else {
                    go(BodyDone);
                    if (needsRoutine(m_lines.kind(frame.index))) {
                        push(Routine::Line, {.line = LineStep::Execute}, frame.index);
                        return Flow::Continue;
                    }
                    if (executeSimpleLine(frame.index) == Flow::Yield)
                        return Flow::Yield;
                }
            }
            if (step == BodyDone || step == LoopEndDone) {
                if (step == BodyDone)
                    frame.index = m_returnIndex;
                go(BodyTest);
                if (processEvents() == Flow::Yield)
                    return Flow::Yield;
            }
            if (m_stopRequested) {
                returnFromRoutine(frame.index);
                return Flow::Continue;
            }
            ++frame.index;
            if (frame.bodyEnded) {
                frame.index = frame.head;
                go(Test);
                break;
            }
            go(BodyLine);
        }
    }
}

// A description met in the flow is passed over unseen, up to its "КОНЕЦ ПРОЦЕДУРЫ".
Interpreter::Flow Interpreter::skipProcedureDescription(Frame &frame)
{
    const int end = m_lines.procedureEnd(frame.index);
    if (end == AlgorithmLines::missing)
        return missingLine("КОНЕЦ ПРОЦЕДУРЫ");
    frame.index = end;
    return executeLine(frame);
}

// ДЕЛАЙ: the first description of the name is run, its head and its "КОНЕЦ ПРОЦЕДУРЫ"
// highlighted; the caller goes on after its ДЕЛАЙ line. An unknown name does nothing.
Interpreter::Flow Interpreter::callProcedure(Frame &frame)
{
    using enum CallStep;
    CallStep step = frame.step.call;
    const auto go = [&step, &frame](CallStep next) {
        step = next;
        frame.step.call = next;
    };
    for (;;) {
        switch (step) {
        case Start:
            go(Enter);
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case Enter: {
            const int target = m_lines.callTarget(frame.head);
            if (target < 0) {
                returnFromRoutine(frame.head);
                return Flow::Continue;
            }
            if (m_callDepth >= m_callDepthLimit)
                return fail(callsTooDeepMessage(m_callDepthLimit));
            ++m_callDepth;
            highlight(target);
            frame.index = target + 1;
            go(BodyLine);
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        }
        case BodyLine:
            if (frame.index >= m_lines.count())
                return missingLine("КОНЕЦ ПРОЦЕДУРЫ");
            if (m_lines.kind(frame.index) == LineKind::ProcedureEnd) {
                highlight(frame.index);
                go(Leave);
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            go(BeforeLine);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
            continue;
        case BeforeLine:
            if (m_stopRequested) {
                go(Leave);
                continue;
            }
            go(LineDone);
            if (needsRoutine(m_lines.kind(frame.index))) {
                push(Routine::Line, {.line = LineStep::Execute}, frame.index);
                return Flow::Continue;
            }
            if (executeSimpleLine(frame.index) == Flow::Yield)
                return Flow::Yield;
            continue;
        case LineDone:
            frame.index = m_returnIndex;
            go(AfterLine);
            if (processEvents() == Flow::Yield)
                return Flow::Yield;
            continue;
        case AfterLine:
            if (m_stopRequested) {
                go(Leave);
                continue;
            }
            ++frame.index;
            go(BodyLine);
            continue;
        case Leave:
            --m_callDepth;
            returnFromRoutine(frame.head);
            return Flow::Continue;
        }
    }
}

Interpreter::Flow Interpreter::playCommand()
{
    if (advanceCommand() == Flow::Yield)
        return Flow::Yield;
    returnFromRoutine(m_stack.back().index);
    return Flow::Continue;
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

// The run cannot go on: its message (already in m_message), then the end.
Interpreter::Flow Interpreter::abortRun(Frame &frame)
{
    AbortStep &step = frame.step.abort;
    if (step == AbortStep::ShowMessage) {
        step = AbortStep::Finish;
        return showMessage(m_message);
    }
    return finishRun(RunEnd::Error);
}

void Interpreter::showRunRow(int row)
{
    m_currentRow = row;
    ++m_passHighlights;
    m_lastPauseRow = -1;
    if (m_observer)
        m_observer->lineHighlighted(row);
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

// While pausing is armed, highlights reach the observer through the watch; while a pause
// is due, so do waits. Otherwise they go to the observer straight, as in a run that never
// pauses.
void Interpreter::updateHooks()
{
    m_highlightObserver = m_pauseArmed ? &m_pauseWatch : m_observer;
    m_waitObserver = m_pausePending ? &m_pauseWatch : m_observer;
}

void Interpreter::PauseWatch::lineHighlighted(int row)
{
    if (m_interpreter.m_observer)
        m_interpreter.m_observer->lineHighlighted(row);
    m_interpreter.notePauseRow(row);
}

void Interpreter::PauseWatch::waitStarted(int milliseconds)
{
    if (m_interpreter.m_observer)
        m_interpreter.m_observer->waitStarted(milliseconds);
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
// pause comes first.
// Stopped while paused, the line shown is not run; otherwise the wait held back by the
// pause comes first. The pause's frame keeps that wait in its index (-1: none) and leaves
// the return index alone.
Interpreter::Flow Interpreter::leavePause(Frame &frame)
{
    if (m_stopRequested)
        return finishRun(RunEnd::Stopped);
    const int milliseconds = frame.index;
    m_stack.pop_back();
    return milliseconds >= 0 ? wait(milliseconds) : Flow::Continue;
}

// Every reference to a frame is dead once this returns: its callers hand the yield back at once.
Interpreter::Flow Interpreter::pause(int heldWait)
{
    checkLimits();
    m_pausePending = false;
    updateHooks();
    push(Routine::Pause, {}, heldWait);
    m_yield = {RunYield::Kind::Paused, 0, RunEnd::Complete};
    return Flow::Yield;
}

std::vector<CallSite> Interpreter::callChain() const
{
    std::vector<CallSite> chain;
    for (const Frame &frame : m_stack) {
        if (frame.routine != Routine::Call)
            continue;
        const CallStep step = frame.step.call;
        if (step == CallStep::Start || step == CallStep::Enter)
            continue;
        chain.push_back({frame.head, m_lines.callTarget(frame.head)});
    }
    return chain;
}

void Interpreter::refreshFieldView()
{
    if (m_observer)
        m_observer->fieldRefreshed();
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

// Arrangement `number` counts from 0; its bits, the highest for the first wall, pick variant 1 or 2.
void Interpreter::setArrangement(int number)
{
    m_arrangement.clear();
    // The walls may have changed since the run counted them; only those that exist are set.
    const int existing = std::min(m_variableWalls, m_world.walls.variableWallCount());
    for (int k = 0; k < m_variableWalls; ++k) {
        const int selector = ((number >> (m_variableWalls - 1 - k)) & 1) + 1;
        m_arrangement.append(selector);
        if (k >= existing)
            continue;
        if (m_canvas) {
            m_canvas->drawVariableWallAbsent(m_world.walls, k, 3 - selector);
            m_canvas->drawVariableWallPresent(m_world.walls, k, selector);
        }
        m_world.walls.selectors[size_t(k)] = selector;
    }
}

// A wait of no time is told but not handed to the driver: it returns at once anyway.
Interpreter::Flow Interpreter::clockWait(int milliseconds)
{
    if (m_waitObserver) {
        // A pause comes before the wait and holds it back.
        if (m_pausePending) [[unlikely]]
            return pause(milliseconds);
        m_waitObserver->waitStarted(milliseconds);
    }
    if (milliseconds <= 0)
        return Flow::Continue;
    if (m_virtualClock) {
        m_virtualElapsed += milliseconds;
        return Flow::Continue;
    }
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

// Ends the run at this moment: every routine under way is dropped, the message follows.
Interpreter::Flow Interpreter::fail(const RunMessage &message)
{
    m_message = message;
    m_stack.clear();
    push(Routine::Abort, {.abort = AbortStep::ShowMessage}, 0);
    return Flow::Continue;
}

Interpreter::Flow Interpreter::missingLine(const char *line)
{
    return fail(missingLineMessage(QString::fromUtf8(line)));
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
    if (m_observer) {
        m_observer->workItemEnabledChanged(true);
        m_observer->runFinished(end);
    }
    return Flow::Yield;
}

void Interpreter::returnFromRoutine(int index)
{
    m_returnIndex = index;
    m_stack.pop_back();
}
