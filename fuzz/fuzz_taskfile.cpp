// A task file of any bytes: decoded, parsed, and every size it offers put into a world
// whose walls are then asked about around the start, as loading the task does.

#include "common/textencoding.h"
#include "tasks/selectsizevariant.h"
#include "tasks/taskfileparser.h"
#include "world/world.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, int value)
{
    std::fprintf(stderr, "Fault: %s (%d)\n", what, value);
    std::abort();
}

int lineCount(const QString &text)
{
    int lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' || (text.at(i) == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n')))
            ++lines;
    }
    const bool endsWithBreak = !text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r');
    return lines + (endsWithBreak || text.isEmpty() ? 0 : 1);
}

// Every heading and every variable-wall arrangement at the start cell.
void askWallsAroundStart(World &world)
{
    resetExecutorToStart(world);
    const int variable = world.walls.variableWallCount();
    for (int arrangement = 0; arrangement < 27; ++arrangement) {
        int code = arrangement;
        for (int i = 0; i < WallModel::maxVariableWalls; ++i, code /= 3)
            world.walls.selectors[i] = i < variable ? code % 3 : 0;
        for (const qint16 heading : {0, 90, 180, 270}) {
            world.executor.heading = heading;
            wallAhead(world);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QString text = decodeText(QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)));
    const TaskFileResult result = parseTaskFile(text);

    if (result.error) {
        // A fault lies on a line of the file, or on the one after its last line.
        const int line = result.error->line;
        if (line < 1 || line > lineCount(text) + 1)
            fail("error line outside the file", line);
        if (result.error->column < 1)
            fail("error column before the line", result.error->column);
        return 0;
    }

    for (int fieldSize = TaskData::firstSize; fieldSize <= TaskData::lastSize; ++fieldSize) {
        if (!result.task.offersSize(fieldSize))
            continue;
        World world;
        world.fieldSize = qint16(fieldSize);
        selectSizeVariant(result.task, world);
        const StartPosition &start = world.start;
        if (start.column < 0 || start.column >= fieldSize || start.row < 0 || start.row >= fieldSize)
            fail("a loaded start outside the field", fieldSize);
        askWallsAroundStart(world);
    }
    return 0;
}
