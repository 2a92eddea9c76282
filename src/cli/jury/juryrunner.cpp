#include "cli/jury/juryrunner.h"

#include "cli/run/checkertask.h"
#include "cli/run/runrecorder.h"
#include "tasks/setup/tasksetup.h"
#include "world/model/arrangementworld.h"
#include "world/run/interpreter.h"

namespace {

// Keeps the text of the last message a pass showed: the crash report or the reason an
// unfinished text could not go on.
class LastMessage : public RunObserver
{
public:
    // The verdicts need no line-by-line news; the run is spared telling it.
    bool isFollowingLines() const override { return false; }
    void messageShown(const RunMessage &message) override { m_text = message.text; }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// Plays a pass on the virtual clock, as VirtualRunDriver does, and also stops it, as the
// stop button would, once the real time is up.
RunEnd playPass(Interpreter &interpreter, qint64 highlightLimit, QDeadlineTimer deadline, bool &timedOut)
{
    interpreter.setVirtualClock(true);
    interpreter.setLimits(RunLimits::forHighlights(highlightLimit));
    for (;;) {
        const RunYield yield = interpreter.resume();
        if (!timedOut && deadline.hasExpired()) {
            timedOut = true;
            interpreter.requestStop();
        }
        if (yield.kind == RunYield::Kind::Finished)
            return yield.end;
    }
}

} // namespace

JuryRunner::JuryRunner(const TaskData &task, qint64 highlightLimit)
    : m_task(task)
    , m_highlightLimit(highlightLimit)
    , m_tests(taskTests(task))
{
}

bool JuryRunner::chooseTest(int number)
{
    if (number < 1 || number > m_tests.size())
        return false;
    m_tests = {m_tests.at(number - 1)};
    return true;
}

QList<int> JuryRunner::sizes() const
{
    return m_task.offeredSizes();
}

World JuryRunner::passWorld(int fieldSize, const QList<int> &arrangement) const
{
    return arrangedWorld(taskWorld(m_task, fieldSize), arrangement);
}

JuryPass JuryRunner::runPass(const QStringList &lines, int fieldSize, const QList<int> &arrangement,
                             QDeadlineTimer deadline) const
{
    World world = withArrangementFixed(passWorld(fieldSize, arrangement));
    LastMessage lastMessage;
    RunRecorder recorder(world, &lastMessage);
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Slow), nullptr, &recorder,
                            callDepthLimit);
    bool timedOut = false;
    const RunEnd runEnd = playPass(interpreter, m_highlightLimit, deadline, timedOut);

    JuryPass pass;
    pass.fieldSize = fieldSize;
    pass.arrangement = arrangement;
    pass.end = runEnd;
    pass.isOutOfTime = timedOut && runEnd == RunEnd::Stopped;
    pass.executor = world.executor;
    pass.stopRow = interpreter.currentRow();
    if (!recorder.passes().isEmpty()) {
        const PassResult &recorded = recorder.passes().first();
        pass.end = severerEnd(recorded.end, runEnd);
        pass.lines = recorded.lines;
        pass.slowMs = recorded.elapsedMs;
        pass.executor = recorded.executor;
        pass.trace = distinctSegments(recorded.trace);
    }
    if (pass.end == RunEnd::Crash || pass.end == RunEnd::Error)
        pass.message = lastMessage.text();
    return pass;
}

QList<JuryPass> JuryRunner::runAll(const QStringList &lines, QDeadlineTimer deadline) const
{
    QList<JuryPass> passes;
    passes.reserve(m_tests.size());
    for (const TaskTest &test : m_tests) {
        if (deadline.hasExpired()) {
            JuryPass skipped;
            skipped.fieldSize = test.fieldSize;
            skipped.arrangement = test.arrangement;
            skipped.end = RunEnd::Stopped;
            skipped.isOutOfTime = true;
            passes.append(skipped);
        } else {
            passes.append(runPass(lines, test.fieldSize, test.arrangement, deadline));
        }
        passes.last().number = test.number;
    }
    return passes;
}
