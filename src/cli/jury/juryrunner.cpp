#include "cli/jury/juryrunner.h"

#include "cli/run/checkertask.h"
#include "cli/run/runrecorder.h"
#include "tasks/tasksetup.h"
#include "world/arrangementworld.h"
#include "world/interpreter.h"
#include "world/virtualrundriver.h"

namespace {

// Keeps the text of the last message a pass showed: the crash report or the reason an
// unfinished text could not go on.
class LastMessage : public RunObserver
{
public:
    void messageShown(const RunMessage &message) override { m_text = message.text; }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace

JuryRunner::JuryRunner(const TaskData &task)
    : m_task(task)
{
}

QList<int> JuryRunner::sizes() const
{
    QList<int> sizes;
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
        if (m_task.offersSize(size))
            sizes.append(size);
    }
    return sizes;
}

World JuryRunner::passWorld(int fieldSize, const QList<int> &arrangement) const
{
    return arrangedWorld(taskWorld(m_task, fieldSize), arrangement);
}

JuryPass JuryRunner::runPass(const QStringList &lines, int fieldSize, const QList<int> &arrangement) const
{
    World world = withArrangementFixed(passWorld(fieldSize, arrangement));
    LastMessage lastMessage;
    RunRecorder recorder(world, &lastMessage);
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Slow), nullptr, &recorder,
                            callDepthLimit);
    VirtualRunDriver driver(highlightLimit);
    const RunEnd runEnd = driver.play(interpreter);

    JuryPass pass;
    pass.fieldSize = fieldSize;
    pass.arrangement = arrangement;
    pass.end = runEnd;
    pass.executor = world.executor;
    if (!recorder.passes().isEmpty()) {
        const PassResult &recorded = recorder.passes().first();
        pass.end = severerEnd(recorded.end, runEnd);
        pass.lines = recorded.lines;
        pass.slowMs = recorded.elapsedMs;
        pass.executor = recorded.executor;
        pass.trace = recorded.trace;
    }
    if (pass.end == RunEnd::Crash || pass.end == RunEnd::Error)
        pass.message = lastMessage.text();
    return pass;
}

QList<JuryPass> JuryRunner::runAll(const QStringList &lines) const
{
    QList<JuryPass> passes;
    for (int size : sizes()) {
        const int walls = int(m_task.size(size).walls.variable.size());
        for (const QList<int> &arrangement : allArrangements(walls))
            passes.append(runPass(lines, size, arrangement));
    }
    return passes;
}
