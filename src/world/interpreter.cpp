#include "world/interpreter.h"

#include "world/fieldcanvas.h"
#include "world/runobserver.h"
#include "world/runtexts.h"
#include "world/world.h"

#include <algorithm>

using Kind = AlgorithmLines::Kind;

Interpreter::Interpreter(const QStringList &lines, World &world, const DelaySettings &delays,
                         FieldCanvas *canvas, RunObserver *observer, int callDepthLimit)
    : m_lines(lines)
    , m_world(world)
    , m_context{world, canvas, observer, delays}
    , m_canvas(canvas)
    , m_observer(observer)
    , m_callDepthLimit(std::max(1, callDepthLimit))
{
    m_stack.reserve(64);
}

RunYield Interpreter::resume()
{
    if (m_finished)
        return m_yield;
    if (!m_started) {
        m_started = true;
        push(Routine::Run, 0);
    }
    for (;;) {
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
        }
        if (flow == Flow::Yield)
            return m_yield;
    }
}

// The whole run: the field redrawn, then one pass per arrangement of the variable walls
// (the first wall's variant changing slowest), each complete pass announced by a message.
Interpreter::Flow Interpreter::runAlgorithm(Frame &frame)
{
    for (;;) {
        switch (frame.step) {
        case 0:
            redrawField();
            highlight(m_lines.count() > 0 ? 0 : -1);
            refreshFieldView();
            if (m_observer)
                m_observer->workItemEnabledChanged(false);
            m_stopRequested = false;
            m_crashed = false;
            m_variableWalls = std::min(m_world.walls.variableWallCount(), int(WallModel::maxVariableWalls));
            if (m_variableWalls == 0) {
                m_arrangement.clear();
                frame.step = 4;
                push(Routine::Pass, 0);
                return Flow::Continue;
            }
            if (m_observer)
                m_observer->wallTimersStopped(m_variableWalls);
            frame.aux = 0;
            frame.step = 1;
            continue;
        case 1:
            if (frame.aux == 1 << m_variableWalls) {
                frame.step = 4;
                continue;
            }
            redrawField();
            highlight(m_lines.count() > 0 ? 0 : -1);
            setArrangement(frame.aux);
            refreshFieldView();
            frame.step = 2;
            push(Routine::Pass, 0);
            return Flow::Continue;
        case 2: frame.step = 3; return showMessage(arrangementMessage(m_arrangement));
        case 3:
            ++frame.aux;
            frame.step = 1;
            continue;
        default:
            highlight(m_lastPassEnd < m_lines.count() ? m_lastPassEnd : -1);
            return finishRun(RunEnd::Complete);
        }
    }
}

// One pass from line 0 up to the first line that is exactly "КОН" (or the end of the text).
Interpreter::Flow Interpreter::runPass(Frame &frame)
{
    for (;;) {
        switch (frame.step) {
        case 0:
            m_inPass = true;
            m_passHighlights = 0;
            m_passLines = 0;
            if (m_observer)
                m_observer->passStarted(m_arrangement);
            frame.index = 0;
            frame.step = 1;
            continue;
        case 1:
            if (frame.index < m_lines.count() && !m_lines.isMainEnd(frame.index)) {
                frame.step = 2;
                push(Routine::Line, frame.index);
                return Flow::Continue;
            }
            m_lastPassEnd = frame.index;
            m_inPass = false;
            if (m_observer)
                m_observer->passEnded(RunEnd::Complete, m_passLines);
            returnFromRoutine(frame.index);
            return Flow::Continue;
        case 2:
            frame.index = m_returnIndex;
            frame.step = 3;
            return processEvents();
        default:
            if (m_stopRequested)
                return finishRun(RunEnd::Stopped);
            ++frame.index;
            frame.step = 1;
            continue;
        }
    }
}

// Highlights the line, executes the statement that begins there and waits one line delay.
// The index comes back on the last line the statement consumed.
Interpreter::Flow Interpreter::executeLine(Frame &frame)
{
    switch (frame.step) {
    case 0:
        highlight(frame.index);
        ++m_passLines;
        switch (m_lines.kind(frame.index)) {
        case Kind::Turn: m_command = ExecutorCommand(ExecutorCommand::Kind::Turn); break;
        case Kind::Step: m_command = ExecutorCommand(ExecutorCommand::Kind::Step); break;
        case Kind::Jump: m_command = ExecutorCommand(ExecutorCommand::Kind::Jump); break;
        case Kind::BranchIfWall:
        case Kind::BranchIfNoWall:
        case Kind::BranchOther:
            frame.step = 2;
            push(Routine::Branch, frame.index);
            return Flow::Continue;
        case Kind::LoopIfWall:
        case Kind::LoopIfNoWall:
        case Kind::LoopOther:
            frame.step = 2;
            push(Routine::Loop, frame.index);
            return Flow::Continue;
        case Kind::ProcedureHead: frame.step = 3; return skipProcedureDescription(frame);
        case Kind::Call:
            frame.step = 3;
            push(Routine::Call, frame.index);
            return Flow::Continue;
        default: frame.step = 3; return executeLine(frame);
        }
        frame.step = 3;
        push(Routine::Command, frame.index);
        return Flow::Continue;
    case 2: frame.index = m_returnIndex; [[fallthrough]];
    case 3:
        frame.step = 4;
        if (wait(m_context.delays.lineDelay) == Flow::Yield)
            return Flow::Yield;
        [[fallthrough]];
    default: returnFromRoutine(frame.index); return Flow::Continue;
    }
}

// ЕСЛИ: the then part up to its "ИНАЧЕ" or "ВСЁ", or the else part, each line executed in
// turn; comes back on the branch's "ВСЁ" line (unless stopped).
Interpreter::Flow Interpreter::executeBranch(Frame &frame)
{
    enum Step { Head, Decide, ThenLine, ThenDone, ThenTest, ElseStart, ElseLine, ElseDone, ElseTest, Leave };
    const int count = m_lines.count();
    for (;;) {
        switch (frame.step) {
        case Head:
            highlight(frame.head);
            frame.step = Decide;
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case Decide:
            if (conditionHolds(m_lines.kind(frame.head))) {
                if (frame.head + 1 >= count)
                    return missingLine("ТО");
                highlight(frame.head + 1);
                frame.index = frame.head + 2;
                frame.step = ThenLine;
            } else {
                const int end = m_lines.branchSkipEnd(frame.head);
                if (end == AlgorithmLines::missing)
                    return missingLine("ВСЁ");
                frame.index = end;
                highlight(end);
                frame.step = m_lines.kind(end) == Kind::Else ? ElseStart : Leave;
            }
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case ThenLine: {
            if (frame.index >= count)
                return missingLine("ВСЁ");
            const Kind kind = m_lines.kind(frame.index);
            if (kind == Kind::Else) {
                const int end = m_lines.elseSkipEnd(frame.index);
                if (end == AlgorithmLines::missing)
                    return missingLine("ВСЁ");
                frame.index = end;
            }
            if (kind == Kind::Else || kind == Kind::BranchEnd) {
                highlight(frame.index);
                frame.step = Leave;
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            frame.step = ThenDone;
            push(Routine::Line, frame.index);
            return Flow::Continue;
        }
        case ThenDone:
            frame.index = m_returnIndex;
            frame.step = ThenTest;
            return processEvents();
        case ThenTest:
            if (m_stopRequested)
                break;
            ++frame.index;
            frame.step = ThenLine;
            continue;
        case ElseStart:
            ++frame.index;
            frame.step = ElseLine;
            continue;
        case ElseLine:
            if (frame.index >= count)
                return missingLine("ВСЁ");
            if (m_lines.kind(frame.index) == Kind::BranchEnd) {
                highlight(frame.index);
                frame.step = Leave;
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            frame.step = ElseDone;
            push(Routine::Line, frame.index);
            return Flow::Continue;
        case ElseDone:
            frame.index = m_returnIndex;
            frame.step = ElseTest;
            return processEvents();
        case ElseTest:
            if (m_stopRequested)
                break;
            ++frame.index;
            frame.step = ElseLine;
            continue;
        default: break;
        }
        returnFromRoutine(frame.index);
        return Flow::Continue;
    }
}

// ПОКА: while the condition holds, its head, its НЦ line and its body up to the first "КЦ"
// at its own level; then the head once more and on to the matching "КЦ".
Interpreter::Flow Interpreter::executeLoop(Frame &frame)
{
    enum Step { Test, Begin, BodyLine, LoopEndDone, BodyDone, BodyTest, Finish };
    const int count = m_lines.count();
    for (;;) {
        switch (frame.step) {
        case Test:
            highlight(frame.head);
            frame.step = conditionHolds(m_lines.kind(frame.head)) ? Begin : Finish;
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case Begin:
            if (frame.head + 1 >= count)
                return missingLine("НЦ");
            highlight(frame.head + 1);
            frame.index = frame.head + 2;
            frame.aux = 1;
            frame.step = BodyLine;
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case BodyLine:
            if (frame.index >= count)
                return missingLine("КЦ");
            if (m_lines.kind(frame.index) == Kind::LoopEnd) {
                --frame.aux;
                highlight(frame.index);
                frame.step = LoopEndDone;
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            frame.step = BodyDone;
            push(Routine::Line, frame.index);
            return Flow::Continue;
        case LoopEndDone: frame.step = BodyTest; return processEvents();
        case BodyDone:
            frame.index = m_returnIndex;
            frame.step = BodyTest;
            return processEvents();
        case BodyTest:
            if (m_stopRequested) {
                returnFromRoutine(frame.index);
                return Flow::Continue;
            }
            ++frame.index;
            if (frame.aux == 0) {
                frame.index = frame.head;
                frame.step = Test;
            } else {
                frame.step = BodyLine;
            }
            continue;
        default: {
            const int end = m_lines.loopSkipEnd(frame.head);
            if (end == AlgorithmLines::missing)
                return missingLine("КЦ");
            returnFromRoutine(end);
            return Flow::Continue;
        }
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
    enum Step { Start, Enter, BodyLine, BeforeLine, LineDone, AfterLine, Leave };
    for (;;) {
        switch (frame.step) {
        case Start:
            frame.step = Enter;
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        case Enter: {
            const int target = m_lines.callTarget(frame.index);
            if (target < 0) {
                returnFromRoutine(frame.index);
                return Flow::Continue;
            }
            if (m_callDepth >= m_callDepthLimit)
                return fail(callsTooDeepMessage(m_callDepthLimit));
            ++m_callDepth;
            highlight(target);
            frame.aux = target + 1;
            frame.step = BodyLine;
            if (wait(m_context.delays.lineDelay) == Flow::Yield)
                return Flow::Yield;
            continue;
        }
        case BodyLine:
            if (frame.aux >= m_lines.count())
                return missingLine("КОНЕЦ ПРОЦЕДУРЫ");
            if (m_lines.kind(frame.aux) == Kind::ProcedureEnd) {
                highlight(frame.aux);
                frame.step = Leave;
                if (wait(m_context.delays.lineDelay) == Flow::Yield)
                    return Flow::Yield;
                continue;
            }
            frame.step = BeforeLine;
            return processEvents();
        case BeforeLine:
            if (m_stopRequested) {
                frame.step = Leave;
                continue;
            }
            frame.step = LineDone;
            push(Routine::Line, frame.aux);
            return Flow::Continue;
        case LineDone:
            frame.aux = m_returnIndex;
            frame.step = AfterLine;
            return processEvents();
        case AfterLine:
            if (m_stopRequested) {
                frame.step = Leave;
                continue;
            }
            ++frame.aux;
            frame.step = BodyLine;
            continue;
        default:
            --m_callDepth;
            returnFromRoutine(frame.index);
            return Flow::Continue;
        }
    }
}

Interpreter::Flow Interpreter::playCommand()
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
        case ExecutorCommand::Pause::Kind::Done: break;
        }
        returnFromRoutine(m_stack.back().index);
        return Flow::Continue;
    }
}

// The run cannot go on: its message (already in m_message), then the end.
Interpreter::Flow Interpreter::abortRun(Frame &frame)
{
    if (frame.step == 0) {
        frame.step = 1;
        return showMessage(m_message);
    }
    return finishRun(RunEnd::Error);
}

void Interpreter::highlight(int row)
{
    m_currentRow = row;
    ++m_passHighlights;
    if (m_observer)
        m_observer->lineHighlighted(row);
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

bool Interpreter::conditionHolds(Kind kind) const
{
    switch (kind) {
    case Kind::BranchIfWall:
    case Kind::LoopIfWall: return wallAhead(m_world);
    case Kind::BranchIfNoWall:
    case Kind::LoopIfNoWall: return !wallAhead(m_world);
    default: return false;
    }
}

// A wait of no time is told but not handed to the driver: it returns at once anyway.
Interpreter::Flow Interpreter::wait(int milliseconds)
{
    if (m_observer)
        m_observer->waitStarted(milliseconds);
    if (milliseconds <= 0)
        return Flow::Continue;
    m_yield = {RunYield::Kind::Wait, milliseconds, RunEnd::Complete};
    return Flow::Yield;
}

Interpreter::Flow Interpreter::processEvents()
{
    m_yield = {RunYield::Kind::ProcessEvents, 0, RunEnd::Complete};
    return Flow::Yield;
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
    push(Routine::Abort, 0);
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

void Interpreter::push(Routine routine, int index)
{
    m_stack.push_back(Frame{routine, 0, index, index, 0});
}
