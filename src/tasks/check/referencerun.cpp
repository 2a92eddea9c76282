#include "tasks/check/referencerun.h"

#include "tasks/setup/tasksetup.h"
#include "world/commands/runobserver.h"
#include "world/model/arrangementworld.h"
#include "world/run/interpreter.h"
#include "world/run/virtualrundriver.h"

namespace {

class PassRecorder : public RunObserver
{
public:
    void messageShown(const RunMessage &message) override { m_message = message.text; }
    void passEnded(RunEnd end, qint64 executedLines) override
    {
        Q_UNUSED(executedLines)
        m_end = severerEnd(m_end, end);
    }
    const QString &message() const { return m_message; }
    RunEnd end() const { return m_end; }

private:
    QString m_message;
    RunEnd m_end = RunEnd::Complete;
};

} // namespace

ReferencePass ReferenceRun::runPass(const TaskData &task, const QStringList &lines, int fieldSize,
                                    const QList<int> &arrangement)
{
    World world = withArrangementFixed(arrangedWorld(taskWorld(task, fieldSize), arrangement));
    PassRecorder recorder;
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Slow), nullptr, &recorder,
                            callDepthLimit);
    VirtualRunDriver driver(highlightLimit);
    const RunEnd runEnd = driver.play(interpreter);

    ReferencePass pass;
    pass.fieldSize = fieldSize;
    pass.arrangement = arrangement;
    pass.end = severerEnd(recorder.end(), runEnd);
    pass.executor = world.executor;
    if (pass.end == RunEnd::Crash || pass.end == RunEnd::Error)
        pass.message = recorder.message();
    const bool onPointB = !task.hasPointB
        || (world.executor.column == world.pointB.column && world.executor.row == world.pointB.row);
    pass.isCorrect = pass.end == RunEnd::Complete && onPointB;
    return pass;
}

QList<ReferencePass> ReferenceRun::runAll(const TaskData &task, const QStringList &lines)
{
    QList<ReferencePass> passes;
    for (int size : task.offeredSizes()) {
        const int walls = int(task.size(size).walls.variable.size());
        for (const QList<int> &arrangement : allArrangements(walls))
            passes.append(runPass(task, lines, size, arrangement));
    }
    return passes;
}
