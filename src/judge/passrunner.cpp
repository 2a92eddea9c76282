#include "judge/passrunner.h"

#include "judge/runrecorder.h"
#include "judge/testworld.h"
#include "world/run/interpreter.h"

namespace {

// Plays a pass on the virtual clock, as VirtualRunDriver does, and also stops it, as the
// stop button would, once the file's time is up.
RunEnd playPass(Interpreter &interpreter, qint64 highlightLimit, JudgeDeadline deadline, bool &timedOut)
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

PassRunner::PassRunner(const TaskData &task, qint64 highlightLimit)
    : m_task(task)
    , m_highlightLimit(highlightLimit)
    , m_tests(taskTests(task))
{
}

bool PassRunner::chooseTest(int number)
{
    if (number < 1 || number > m_tests.size())
        return false;
    m_tests = {m_tests.at(number - 1)};
    return true;
}

QList<int> PassRunner::sizes() const
{
    return m_task.offeredSizes();
}

TestPass PassRunner::run(const QStringList &lines, const TaskTest &test, JudgeDeadline deadline,
                         RunObserver *observer) const
{
    return runText(std::make_shared<const AlgorithmLines>(lines), test, deadline, observer);
}

TestPass PassRunner::runText(const std::shared_ptr<const AlgorithmLines> &text, const TaskTest &test,
                             JudgeDeadline deadline, RunObserver *observer) const
{
    World world = testRunWorld(m_task, test);
    RunRecorder recorder(world, observer);
    recorder.setTraceKept(m_isTraceKept);
    Interpreter interpreter(text, world, DelaySettings::forSpeed(RunSpeed::Slow), nullptr, &recorder,
                            callDepthLimit);
    bool timedOut = false;
    const RunEnd runEnd = playPass(interpreter, m_highlightLimit, deadline, timedOut);

    TestPass pass;
    pass.number = test.number;
    pass.fieldSize = test.fieldSize;
    pass.arrangement = test.arrangement;
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
        if (m_isTraceKept)
            pass.trace = distinctSegments(recorded.trace);
    }
    if (pass.end == RunEnd::Crash || pass.end == RunEnd::Error)
        pass.message = recorder.lastMessage();
    return pass;
}

QList<TestPass> PassRunner::runAll(const QStringList &lines, JudgeDeadline deadline) const
{
    // The text is read once for all the passes.
    const auto text = std::make_shared<const AlgorithmLines>(lines);
    QList<TestPass> passes;
    passes.reserve(m_tests.size());
    for (const TaskTest &test : m_tests) {
        if (deadline.hasExpired()) {
            TestPass skipped;
            skipped.number = test.number;
            skipped.fieldSize = test.fieldSize;
            skipped.arrangement = test.arrangement;
            skipped.end = RunEnd::Stopped;
            skipped.isOutOfTime = true;
            passes.append(skipped);
        } else {
            passes.append(runText(text, test, deadline, nullptr));
        }
    }
    return passes;
}
