// An algorithm file of any bytes, read and then run through the interpreter on a 12 x 12
// field with walls and two variable walls (four arrangements), at the fastest speed,
// without pictures, with a small limit on the highlights of a pass.

#include "editor/algorithmfile.h"
#include "world/commands/delaysettings.h"
#include "world/model/world.h"
#include "world/run/interpreter.h"
#include "world/run/virtualrundriver.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 highlightLimit = 2000;

// The executor starts in the middle facing up; walls stand close by on every side.
World fuzzWorld()
{
    World world;
    world.fieldSize = 12;
    world.start = {5, 5, 90};
    world.pointB = {11, 0};
    world.walls.walls.horizontal = {{5, 2}, {6, 6}, {0, 10}, {11, 11}};
    world.walls.walls.vertical = {{3, 5}, {7, 4}, {10, 0}};
    world.walls.walls.variable = {{{QStringLiteral("H"), 5, 4}, {QStringLiteral("V"), 5, 5}},
                                  {{QStringLiteral("V"), 4, 5}, {QStringLiteral("H"), 4, 4}}};
    world.walls.selectors = {1, 1, 0};
    resetExecutorToStart(world);
    return world;
}

[[noreturn]] void fail(const char *what, int a, int b)
{
    std::fprintf(stderr, "Fault: %s (%d, %d)\n", what, a, b);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QStringList lines =
        algorithmLinesFromBytes(QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)));
    World world = fuzzWorld();
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Fastest));
    VirtualRunDriver driver(highlightLimit);
    driver.play(interpreter);

    if (!interpreter.isFinished())
        fail("the run did not finish", 0, 0);
    // A step into a wall crashes instead of moving, so the executor never leaves the field.
    const ExecutorState &e = world.executor;
    if (e.column < 0 || e.column >= world.fieldSize || e.row < 0 || e.row >= world.fieldSize)
        fail("executor outside the field", e.column, e.row);
    if (e.heading != 0 && e.heading != 90 && e.heading != 180 && e.heading != 270)
        fail("heading not one of the four", e.heading, 0);
    if (interpreter.currentRow() < -1 || interpreter.currentRow() >= lines.size())
        fail("highlighted row outside the text", interpreter.currentRow(), int(lines.size()));
    return 0;
}
