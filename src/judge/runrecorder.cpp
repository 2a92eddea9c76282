#include "judge/runrecorder.h"

#include "world/model/world.h"

RunRecorder::RunRecorder(const World &world, RunObserver *next)
    : m_world(world)
    , m_next(next)
{
}

void RunRecorder::lineHighlighted(int row)
{
    forward(&RunObserver::lineHighlighted, row);
}

void RunRecorder::fieldRefreshed()
{
    forward(&RunObserver::fieldRefreshed);
}

void RunRecorder::executorStepped(CellPosition from, CellPosition to)
{
    if (m_inPass && m_isTraceKept)
        m_passes.last().trace.append({from, to});
    forward(&RunObserver::executorStepped, from, to);
}

void RunRecorder::executorJumped(CellPosition to)
{
    forward(&RunObserver::executorJumped, to);
}

void RunRecorder::executorTurned(qint16 heading)
{
    forward(&RunObserver::executorTurned, heading);
}

void RunRecorder::executorCrashed()
{
    forward(&RunObserver::executorCrashed);
}

void RunRecorder::waitStarted(int milliseconds)
{
    if (m_inPass)
        m_passes.last().elapsedMs += milliseconds;
    forward(&RunObserver::waitStarted, milliseconds);
}

void RunRecorder::messageShown(const RunMessage &message)
{
    m_lastMessage = message.text;
    forward(&RunObserver::messageShown, message);
}

void RunRecorder::passStarted(const QList<int> &given)
{
    const QList<int> &arrangement = given.isEmpty() ? m_arrangementShown : given;
    PassResult pass;
    pass.arrangement = arrangement;
    pass.executor = m_world.executor;
    m_passes.append(pass);
    m_inPass = true;
    forward(&RunObserver::passStarted, arrangement);
}

void RunRecorder::passEnded(RunEnd end, qint64 executedLines)
{
    closePass(end, executedLines);
    forward(&RunObserver::passEnded, end, executedLines);
}

void RunRecorder::runFinished(RunEnd end)
{
    // A pass that the run left without reporting its end ends with the run.
    if (m_inPass)
        closePass(end, 0);
    m_end = end;
    forward(&RunObserver::runFinished, end);
}

void RunRecorder::closePass(RunEnd end, qint64 executedLines)
{
    if (!m_inPass)
        return;
    m_inPass = false;
    PassResult &pass = m_passes.last();
    pass.end = end;
    pass.lines = executedLines;
    pass.executor = m_world.executor;
    if (m_passEnded)
        m_passEnded(pass, int(m_passes.size()));
}
