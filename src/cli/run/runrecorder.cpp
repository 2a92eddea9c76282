#include "cli/run/runrecorder.h"

#include "world/model/world.h"

RunRecorder::RunRecorder(const World &world, RunObserver *next)
    : m_world(world)
    , m_next(next)
{
}

void RunRecorder::lineHighlighted(int row)
{
    if (m_next)
        m_next->lineHighlighted(row);
}

void RunRecorder::fieldRefreshed()
{
    if (m_next)
        m_next->fieldRefreshed();
}

void RunRecorder::executorStepped(CellPosition from, CellPosition to)
{
    if (m_inPass && m_isTraceKept)
        m_passes.last().trace.append({from, to});
    if (m_next)
        m_next->executorStepped(from, to);
}

void RunRecorder::executorJumped(CellPosition to)
{
    if (m_next)
        m_next->executorJumped(to);
}

void RunRecorder::executorTurned(qint16 heading)
{
    if (m_next)
        m_next->executorTurned(heading);
}

void RunRecorder::executorCrashed()
{
    if (m_next)
        m_next->executorCrashed();
}

void RunRecorder::waitStarted(int milliseconds)
{
    if (m_inPass)
        m_passes.last().elapsedMs += milliseconds;
    if (m_next)
        m_next->waitStarted(milliseconds);
}

void RunRecorder::messageShown(const RunMessage &message)
{
    if (m_next)
        m_next->messageShown(message);
}

void RunRecorder::passStarted(const QList<int> &given)
{
    const QList<int> &arrangement = given.isEmpty() ? m_arrangementShown : given;
    PassResult pass;
    pass.arrangement = arrangement;
    pass.executor = m_world.executor;
    m_passes.append(pass);
    m_inPass = true;
    if (m_next)
        m_next->passStarted(arrangement);
}

void RunRecorder::passEnded(RunEnd end, qint64 executedLines)
{
    closePass(end, executedLines);
    if (m_next)
        m_next->passEnded(end, executedLines);
}

void RunRecorder::workItemEnabledChanged(bool enabled)
{
    if (m_next)
        m_next->workItemEnabledChanged(enabled);
}

void RunRecorder::wallTimersStopped(int count)
{
    if (m_next)
        m_next->wallTimersStopped(count);
}

void RunRecorder::runFinished(RunEnd end)
{
    // A pass that the run left without reporting its end ends with the run.
    if (m_inPass)
        closePass(end, 0);
    m_finished = true;
    m_end = end;
    if (m_next)
        m_next->runFinished(end);
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
