#include "session/timedrun.h"

#include "display/fieldscene.h"
#include "judge/runrecorder.h"

TimedRun::TimedRun(World &world, FieldScene &scene, QObject *parent)
    : QObject(parent)
    , m_world(world)
    , m_scene(scene)
{
    m_waitTimer.setSingleShot(true);
    m_waitTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_waitTimer, &QTimer::timeout, this, &TimedRun::advance);
}

TimedRun::~TimedRun() = default;

std::vector<CallSite> TimedRun::callChain() const
{
    return m_interpreter ? m_interpreter->callChain() : std::vector<CallSite>{};
}

const QList<PassResult> &TimedRun::passes() const
{
    static const QList<PassResult> none;
    return m_recorder ? m_recorder->passes() : none;
}

void TimedRun::start(const QStringList &lines, const DelaySettings &delays, bool stepping, int shownRow,
                     const QList<int> &arrangement)
{
    if (m_interpreter)
        return;
    m_delays = delays;
    m_stopRequested = false;
    m_stepping = stepping;
    m_queuedSteps = 0;
    RunObserver *self = this;
    m_recorder = std::make_unique<RunRecorder>(m_world, self);
    m_recorder->setArrangementShown(arrangement);
    m_interpreter = std::make_unique<Interpreter>(lines, m_world, delays, &m_scene, m_recorder.get());
    m_interpreter->setStepping(stepping);
    m_highlightedRow = shownRow;
    m_highlightClock.start();
    scheduleAdvance();
}

void TimedRun::setPauseRows(const QList<int> &rows)
{
    if (m_interpreter)
        m_interpreter->setBreakpoints(rows);
}

void TimedRun::pauseAfterLine()
{
    if (!m_interpreter)
        return;
    m_stepping = true;
    m_interpreter->setStepping(true);
}

void TimedRun::goOn(const DelaySettings &delays)
{
    if (!m_interpreter)
        return;
    m_delays = delays;
    m_interpreter->setDelays(delays);
    m_stepping = false;
    m_queuedSteps = 0;
    m_interpreter->setStepping(false);
    if (m_paused)
        leavePause();
}

void TimedRun::step()
{
    if (!m_interpreter)
        return;
    if (!m_paused) {
        // Running freely, the run pauses after its line; stepping, this step waits its turn.
        if (m_stepping)
            ++m_queuedSteps;
        m_stepping = true;
        m_interpreter->setStepping(true);
        return;
    }
    m_stepping = true;
    m_interpreter->setStepping(true);
    m_delays = DelaySettings::forSpeed(RunSpeed::Slow);
    m_interpreter->setDelays(m_delays);
    leavePause();
}

void TimedRun::stop()
{
    if (!m_interpreter)
        return;
    m_stopRequested = true;
    m_queuedSteps = 0;
    if (m_paused)
        leavePause();
}

void TimedRun::scheduleAdvance()
{
    QMetaObject::invokeMethod(this, &TimedRun::advance, Qt::QueuedConnection);
}

void TimedRun::advance()
{
    if (!m_interpreter || m_paused || m_waitTimer.isActive())
        return;
    m_sliceClock.start();
    for (;;) {
        // The run looks at a stop only where it tests for one; its start clears what came before.
        if (m_stopRequested)
            m_interpreter->requestStop();
        const RunYield yield = m_interpreter->resume();
        switch (yield.kind) {
        case RunYield::Kind::Wait:
            showHighlight();
            m_waitTimer.start(yield.milliseconds);
            return;
        case RunYield::Kind::ProcessEvents:
            if (m_highlightClock.hasExpired(highlightInterval))
                showHighlight();
            // A turn of the event loop costs more than a fast line: the run lets the pending
            // events through once per slice, not after every line.
            if (!m_sliceClock.hasExpired(sliceInterval))
                continue;
            scheduleAdvance();
            return;
        case RunYield::Kind::Message:
            showHighlight();
            emit messageRaised(m_interpreter->message());
            continue;
        case RunYield::Kind::Paused: enterPause(); return;
        case RunYield::Kind::Finished:
            showHighlight();
            finish();
            return;
        }
    }
}

void TimedRun::finish()
{
    m_waitTimer.stop();
    if (m_paused) {
        m_paused = false;
        emit resumed();
    }
    const RunEnd end = m_interpreter->end();
    m_interpreter.reset();
    emit finished(end);
}

void TimedRun::enterPause()
{
    showHighlight();
    m_paused = true;
    emit paused(m_highlightedRow);
    if (m_queuedSteps > 0 && m_paused && m_interpreter) {
        --m_queuedSteps;
        step();
    }
}

void TimedRun::leavePause()
{
    m_paused = false;
    emit resumed();
    scheduleAdvance();
}

void TimedRun::showHighlight()
{
    emit lineShown(m_highlightedRow);
    m_highlightClock.start();
}

void TimedRun::lineHighlighted(int row)
{
    m_highlightedRow = row;
    if (m_eventObserver)
        m_eventObserver->lineHighlighted(row);
}

void TimedRun::fieldRefreshed()
{
    const QRect changed = m_scene.takePaintedArea();
    if (!changed.isEmpty())
        emit fieldChanged(changed);
    if (m_eventObserver)
        m_eventObserver->fieldRefreshed();
}

void TimedRun::executorStepped(CellPosition from, CellPosition to)
{
    if (m_eventObserver)
        m_eventObserver->executorStepped(from, to);
}

void TimedRun::executorJumped(CellPosition to)
{
    if (m_eventObserver)
        m_eventObserver->executorJumped(to);
}

void TimedRun::executorTurned(qint16 heading)
{
    if (m_eventObserver)
        m_eventObserver->executorTurned(heading);
}

void TimedRun::executorCrashed()
{
    if (m_eventObserver)
        m_eventObserver->executorCrashed();
}

void TimedRun::waitStarted(int milliseconds)
{
    if (m_eventObserver)
        m_eventObserver->waitStarted(milliseconds);
}

void TimedRun::messageShown(const RunMessage &message)
{
    if (m_eventObserver)
        m_eventObserver->messageShown(message);
}

void TimedRun::passStarted(const QList<int> &arrangement)
{
    if (m_eventObserver)
        m_eventObserver->passStarted(arrangement);
}

void TimedRun::passEnded(RunEnd end, qint64 executedLines)
{
    if (m_eventObserver)
        m_eventObserver->passEnded(end, executedLines);
}

void TimedRun::runFinished(RunEnd end)
{
    if (m_eventObserver)
        m_eventObserver->runFinished(end);
}
