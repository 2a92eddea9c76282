#include "world/commands/executorcommand.h"

#include "world/commands/runobserver.h"
#include "world/model/fieldcanvas.h"
#include "world/model/world.h"

namespace {

enum Stage : unsigned char { Start = 0, TurnHalfWay, TurnLast, CrashBlinking, CrashMessageShown };

constexpr int crashBlinkHalves = 40; // 20 blinks, each shown and hidden once

void refresh(const CommandContext &context)
{
    if (context.lineObserver)
        context.lineObserver->fieldRefreshed();
}

void redrawExecutorAs(const CommandContext &context, int heading)
{
    const ExecutorState &e = context.world.executor;
    if (context.canvas) {
        context.canvas->restoreUnderExecutor(e.column, e.row);
        context.canvas->drawExecutor(e, heading);
    }
    refresh(context);
}

qint16 headingAfterTurn(qint16 heading)
{
    return heading == 270 ? qint16(0) : qint16(heading + 90);
}

ExecutorCommand::Pause waitFor(int milliseconds)
{
    return {ExecutorCommand::Pause::Kind::Wait, milliseconds};
}

} // namespace

Q_ALWAYS_INLINE ExecutorCommand::Pause ExecutorCommand::advanceOnce(const CommandContext &context)
{
    if (m_done)
        return {};
    if (m_crashed)
        return reportWallCrash(context);
    switch (m_kind) {
    case Kind::Step: return executeStep(context);
    case Kind::Jump: return executeJump(context);
    case Kind::Turn: return executeTurn(context);
    }
    return {};
}

// Without an observer that follows the lines a wait of no time is heard by no one, so the
// command goes straight on.
ExecutorCommand::Pause ExecutorCommand::advance(const CommandContext &context)
{
    for (;;) {
        const Pause pause = advanceOnce(context);
        if (pause.kind != Pause::Kind::Wait || pause.milliseconds > 0 || context.lineObserver)
            return pause;
    }
}

// ШАГ: one cell ahead, drawing the trace.
ExecutorCommand::Pause ExecutorCommand::executeStep(const CommandContext &context)
{
    return moveAhead(context, true);
}

// ПРЫЖОК: one cell ahead without a trace.
ExecutorCommand::Pause ExecutorCommand::executeJump(const CommandContext &context)
{
    return moveAhead(context, false);
}

ExecutorCommand::Pause ExecutorCommand::moveAhead(const CommandContext &context, bool drawTrace)
{
    ExecutorState &e = context.world.executor;
    if (context.canvas)
        context.canvas->restoreUnderExecutor(e.column, e.row);
    refresh(context);

    if (wallAhead(context.world)) {
        m_crashed = true;
        m_stage = CrashBlinking;
        if (context.observer)
            context.observer->executorCrashed();
        return reportWallCrash(context);
    }

    const CellPosition from{e.column, e.row};
    const CellPosition to = cellAhead(e);
    e.column = to.column;
    e.row = to.row;
    if (context.canvas) {
        if (drawTrace)
            context.canvas->drawTrace(from, to);
        context.canvas->saveUnderExecutor(e.column, e.row);
        context.canvas->drawExecutor(e, e.heading);
    }
    refresh(context);
    if (context.observer) {
        if (drawTrace)
            context.observer->executorStepped(from, to);
        else
            context.observer->executorJumped(to);
    }
    m_done = true;
    return {};
}

// ПОВОРОТ: the picture at the heading, half-way and at the new heading, two pauses between.
ExecutorCommand::Pause ExecutorCommand::executeTurn(const CommandContext &context)
{
    ExecutorState &e = context.world.executor;
    switch (m_stage) {
    case Start:
        // Nothing drawn, no one told and no time taken: only the heading changes.
        if (!context.canvas && !context.lineObserver && context.delays.turnDelay <= 0) {
            e.heading = headingAfterTurn(e.heading);
            m_done = true;
            return {};
        }
        redrawExecutorAs(context, e.heading);
        m_stage = TurnHalfWay;
        return waitFor(context.delays.turnDelay);
    case TurnHalfWay:
        redrawExecutorAs(context, e.heading + 45);
        m_stage = TurnLast;
        return waitFor(context.delays.turnDelay);
    default: break;
    }
    const qint16 heading = headingAfterTurn(e.heading);
    redrawExecutorAs(context, heading);
    e.heading = heading;
    if (context.lineObserver)
        context.lineObserver->executorTurned(heading);
    m_done = true;
    return {};
}

// The executor blinks between its picture and the crash picture, then the wall message;
// it keeps its cell and heading.
ExecutorCommand::Pause ExecutorCommand::reportWallCrash(const CommandContext &context)
{
    const ExecutorState &e = context.world.executor;
    if (m_stage == CrashBlinking) {
        if (m_blinkHalves < crashBlinkHalves) {
            const bool shown = m_blinkHalves % 2 == 0;
            ++m_blinkHalves;
            if (context.canvas) {
                context.canvas->restoreUnderExecutor(e.column, e.row);
                if (shown)
                    context.canvas->drawExecutor(e, e.heading);
                else
                    context.canvas->drawCrashPicture(e);
            }
            refresh(context);
            return waitFor(context.delays.crashBlinkDelay);
        }
        m_stage = CrashMessageShown;
        return {Pause::Kind::Message, 0};
    }
    // The message box is closed: the form repaints its field.
    refresh(context);
    m_done = true;
    return {};
}
