// Speed of the interpreter with nothing drawn: an endless loop stopped by a highlight
// limit, and a long straight algorithm run for all eight wall arrangements.

#include "world/commands/runobserver.h"
#include "world/model/world.h"
#include "world/run/interpreter.h"
#include "world/run/virtualrundriver.h"

#include <QStringList>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

QStringList withHeader(const QStringList &body)
{
    return QStringList{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б", "НАЧ"}
    + body + QStringList{"КОН"};
}

void endlessLoop()
{
    const qint64 limit = 1000000;
    World world;
    world.start = {5, 5, 0};
    Interpreter interpreter(withHeader({"    ПОКА впереди НЕ стена", "    НЦ", "        ПОВОРОТ", "    КЦ"}),
                            world, DelaySettings::forSpeed(RunSpeed::Fastest));
    VirtualRunDriver driver(limit);
    const Clock::time_point start = Clock::now();
    const RunEnd end = driver.play(interpreter);
    const double seconds = secondsSince(start);
    const qint64 highlights = interpreter.passHighlightCount();
    std::printf(
        "endless ПОВОРОТ loop, fastest, limit %lld: %lld highlights, %lld lines in %.3f s = %.1f million "
        "highlights/s (%s)\n",
        static_cast<long long>(limit), static_cast<long long>(highlights),
        static_cast<long long>(interpreter.passLineCount()), seconds, highlights / seconds / 1e6,
        end == RunEnd::Stopped ? "stopped" : "NOT STOPPED");
}

void longAlgorithm()
{
    // Each block steps right, turns round, jumps back and turns again: the executor never
    // leaves cells (5, 5) and (6, 5), so no wall is ever met.
    const QStringList block{"    ШАГ",    "    ПОВОРОТ", "    ПОВОРОТ",
                            "    ПРЫЖОК", "    ПОВОРОТ", "    ПОВОРОТ"};
    QStringList body;
    while (body.size() < 100000)
        body.append(block[body.size() % block.size()]);

    World world;
    world.start = {5, 5, 0};
    for (qint16 i = 0; i < 3; ++i)
        world.walls.walls.variable.append(VariableWall{{"H", i, 0}, {"V", i, 1}});

    class Counter : public RunObserver
    {
    public:
        qint64 lines = 0;
        int passes = 0;
        void passEnded(RunEnd, qint64 executedLines) override
        {
            lines += executedLines;
            ++passes;
        }
    } counter;

    const Clock::time_point start = Clock::now();
    Interpreter interpreter(withHeader(body), world, DelaySettings::forSpeed(RunSpeed::Fastest), nullptr,
                            &counter);
    const double prepared = secondsSince(start);
    VirtualRunDriver driver;
    const RunEnd end = driver.play(interpreter);
    const double seconds = secondsSince(start);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "100000 ШАГ/ПРЫЖОК/ПОВОРОТ lines, 3 variable walls: %d passes, %lld lines, %d messages in %.3f s "
        "(classification %.3f s), %s, peak memory %.1f MB\n",
        counter.passes, static_cast<long long>(counter.lines), driver.messageCount(), seconds, prepared,
        end == RunEnd::Complete ? "complete" : "NOT COMPLETE", usage.ru_maxrss / 1024.0);
}

} // namespace

int main()
{
    endlessLoop();
    longAlgorithm();
    return 0;
}
