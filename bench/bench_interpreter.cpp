// Speed of the interpreter with nothing drawn: two endless loops (one turning, one whose
// body has a branch and a procedure call) stopped by a highlight limit, each set against a
// plain C++ loop doing the same work; a long straight algorithm run for all eight wall
// arrangements; and a text of deeply nested loops.

#include "world/commands/runobserver.h"
#include "world/model/world.h"
#include "world/run/interpreter.h"
#include "world/run/runeventlog.h"
#include "world/run/virtualrundriver.h"

#include <QStringList>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The processor time of this thread: on a shared machine the time the thread waited for a
// processor is not the interpreter's.
struct Clock
{
    static double now()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
    }
};

double secondsSince(double start)
{
    return Clock::now() - start;
}

QStringList withHeader(const QStringList &body)
{
    return QStringList{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б", "НАЧ"}
    + body + QStringList{"КОН"};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The pass stops at the first place that lets events through once it has made `limit`
// highlights, a line or two later: the highlights per second are counted as `limit`, so
// that nothing needs to hear them.
double interpretedRate(const QStringList &lines, qint64 limit, RunEnd &end)
{
    World world;
    world.start = {5, 5, 0};
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Fastest));
    VirtualRunDriver driver(limit);
    const double start = Clock::now();
    end = driver.play(interpreter);
    return double(limit) / secondsSince(start);
}

// "ПОКА впереди НЕ стена / НЦ / ПОВОРОТ / КЦ": the executor turns on the spot for ever.
const QStringList turningLoop =
    withHeader({"    ПОКА впереди НЕ стена", "    НЦ", "        ПОВОРОТ", "    КЦ"});

void turn(World &world)
{
    ExecutorState &e = world.executor;
    e.heading = qint16(e.heading == 270 ? 0 : e.heading + 90);
}

// An empty field with the executor in its middle, looking right.
World middleOfEmptyField()
{
    World world;
    world.start = {5, 5, 0};
    resetExecutorToStart(world);
    return world;
}

// The same loop written out in C++: the same wall query, the same turns, the same count of
// highlights and the same test for the limit after every line.
double plainTurningLoop(qint64 limit, int &shown)
{
    World world = middleOfEmptyField();
    qint64 highlights = 4; // the header
    const double start = Clock::now();
    while (highlights < limit) {
        shown = 4;
        ++highlights;
        if (wallAhead(world))
            break;
        shown = 5;
        ++highlights;
        shown = 6;
        ++highlights;
        turn(world);
        if (highlights >= limit)
            break;
        shown = 7;
        ++highlights;
    }
    return double(highlights) / secondsSince(start);
}

// A loop whose body is a branch; its condition never holds on an empty field, so its else
// part runs, a call of a procedure that turns: eleven highlights a round.
const QStringList branchingLoop =
    withHeader({"    ПОКА впереди НЕ стена", "    НЦ", "        ЕСЛИ впереди стена", "        ТО",
                "            ШАГ", "        ИНАЧЕ", "            ДЕЛАЙ поворот", "        ВСЁ", "    КЦ"})
    + QStringList{"ПРОЦЕДУРА поворот", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"};

void stepForward(World &world)
{
    ExecutorState &e = world.executor;
    e.column = qint16(e.column + (e.heading == 0 ? 1 : e.heading == 180 ? -1 : 0));
    e.row = qint16(e.row + (e.heading == 270 ? 1 : e.heading == 90 ? -1 : 0));
}

// The same in C++: the procedure a function, the branch an if, each highlight counted where
// the interpreter makes it and the limit tested wherever the interpreter lets events through.
double plainBranchingLoop(qint64 limit, int &shown)
{
    World world = middleOfEmptyField();
    qint64 highlights = 4; // the header
    const double start = Clock::now();
    while (highlights < limit) {
        shown = 4;
        ++highlights;
        if (wallAhead(world))
            break;
        shown = 5;
        ++highlights;
        shown = 6;
        highlights += 2; // the line, then the branch's head
        if (wallAhead(world)) {
            shown = 7;
            ++highlights;
            shown = 8;
            ++highlights;
            stepForward(world);
            if (highlights >= limit)
                break;
        } else {
            shown = 9;
            ++highlights;
            shown = 10;
            ++highlights;
            shown = 14;
            ++highlights;
            if (highlights >= limit)
                break;
            shown = 15;
            ++highlights;
            turn(world);
            if (highlights >= limit)
                break;
            shown = 16;
            ++highlights;
            if (highlights >= limit)
                break;
        }
        shown = 11;
        ++highlights;
        if (highlights >= limit)
            break;
        shown = 12;
        ++highlights;
    }
    return double(highlights) / secondsSince(start);
}

using PlainLoop = double (*)(qint64 limit, int &shown);

void endlessLoop(const char *name, const QStringList &lines, PlainLoop plainLoop)
{
    const qint64 limit = 10000000;
    const int rounds = 7;
    std::vector<double> interpreted;
    std::vector<double> plain;
    std::vector<double> ratios;
    bool stopped = true;
    for (int round = 0; round < rounds; ++round) {
        RunEnd end = RunEnd::Complete;
        interpreted.push_back(interpretedRate(lines, limit, end));
        stopped = stopped && end == RunEnd::Stopped;
        if (!plainLoop)
            continue;
        int shown = 0;
        plain.push_back(plainLoop(limit, shown));
        Q_UNUSED(shown)
        ratios.push_back(plain.back() / interpreted.back());
    }
    if (!plainLoop) {
        std::printf("%s, fastest, limit %lld, %d rounds (%s): median %.1f million highlights/s\n", name,
                    static_cast<long long>(limit), rounds, stopped ? "stopped" : "NOT STOPPED",
                    median(interpreted) / 1e6);
        return;
    }
    std::printf("%s, fastest, limit %lld, %d rounds (%s):\n"
                "  interpreter  median %.1f million highlights/s (%.1f - %.1f)\n"
                "  plain C++    median %.1f million highlights/s (%.1f - %.1f)\n"
                "  plain C++ / interpreter: median %.1f (%.1f - %.1f)\n",
                name, static_cast<long long>(limit), rounds, stopped ? "stopped" : "NOT STOPPED",
                median(interpreted) / 1e6, *std::min_element(interpreted.begin(), interpreted.end()) / 1e6,
                *std::max_element(interpreted.begin(), interpreted.end()) / 1e6, median(plain) / 1e6,
                *std::min_element(plain.begin(), plain.end()) / 1e6,
                *std::max_element(plain.begin(), plain.end()) / 1e6, median(ratios),
                *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));
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
        int messages = 0;
        void passEnded(RunEnd, qint64 executedLines) override
        {
            lines += executedLines;
            ++passes;
        }
        void messageShown(const RunMessage &) override { ++messages; }
    } counter;

    const double start = Clock::now();
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
        counter.passes, static_cast<long long>(counter.lines), counter.messages, seconds, prepared,
        end == RunEnd::Complete ? "complete" : "NOT COMPLETE", usage.ru_maxrss / 1024.0);
}

// 100,000 loops, each nested in the one before, whose conditions stop holding from the
// inside out: every loop is left through a skip to its "КЦ", as the jury's limit sees it.
void nestedLoops()
{
    const int depth = 100000;
    QStringList body;
    body.reserve(2 * depth + 2);
    for (int i = 0; i < depth; ++i)
        body << QStringLiteral("ПОКА впереди НЕ стена") << QStringLiteral("НЦ");
    body << QStringLiteral("ШАГ");
    for (int i = 0; i < depth; ++i)
        body << QStringLiteral("КЦ");

    class Counter : public RunObserver
    {
    public:
        qint64 highlights = 0;
        void lineHighlighted(int) override { ++highlights; }
    } counter;

    World world;
    world.start = {0, 0, 0};
    const double start = Clock::now();
    Interpreter interpreter(withHeader(body), world, DelaySettings::forSpeed(RunSpeed::Slow), nullptr,
                            &counter);
    VirtualRunDriver driver(1000000);
    const RunEnd end = driver.play(interpreter);
    std::printf("%d nested loops (%lld lines): %lld highlights in %.3f s, %s\n", depth,
                static_cast<long long>(body.size() + 5), static_cast<long long>(counter.highlights),
                secondsSince(start), RunEventLog::endName(end).toUtf8().constData());
}

} // namespace

// With an argument, only that part: "loop", "branch", "long" or "nested"; "interpreter" and
// "interpreter-branch" are the two loops without their plain C++ counterparts, for timing the
// whole process against another build.
int main(int argc, char **argv)
{
    const auto wanted = [&](const char *part) { return argc < 2 || std::strcmp(argv[1], part) == 0; };
    const auto only = [&](const char *part) { return argc >= 2 && std::strcmp(argv[1], part) == 0; };
    if (wanted("loop"))
        endlessLoop("endless ПОВОРОТ loop", turningLoop, plainTurningLoop);
    if (only("interpreter"))
        endlessLoop("endless ПОВОРОТ loop", turningLoop, nullptr);
    if (wanted("branch"))
        endlessLoop("endless loop of a branch and a call", branchingLoop, plainBranchingLoop);
    if (only("interpreter-branch"))
        endlessLoop("endless loop of a branch and a call", branchingLoop, nullptr);
    if (wanted("long"))
        longAlgorithm();
    if (wanted("nested"))
        nestedLoops();
    return 0;
}
