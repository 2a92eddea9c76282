// A task file of any bytes: decoded, parsed, and every size it offers put into a world
// whose walls are then asked about around the start, as loading the task does. The
// task check reads the same text: it finds an error exactly when loading refuses the
// file, and its first error lies where loading stopped.

#include "common/textencoding.h"
#include "tasks/check/taskvalidator.h"
#include "tasks/file/taskfileparser.h"
#include "tasks/setup/selectsizevariant.h"
#include "world/model/world.h"

#include <algorithm>
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

    const TaskFileResult checked = validateTaskText(text);
    const auto firstError = std::find_if(checked.problems.begin(), checked.problems.end(),
                                         [](const TaskProblem &problem) { return !problem.isWarning(); });
    if (result.isOk() != (firstError == checked.problems.end()))
        fail("the check and loading disagree whether the file has an error", result.isOk() ? 1 : 0);
    if (result.error
        && (firstError->line != result.error->line || firstError->column != result.error->column))
        fail("the check's first error lies elsewhere than loading's, line", firstError->line);
    if (result.isOk() && checked.task != result.task)
        fail("the check read another task than loading", 0);

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
        // −1 stands for 0.
        if (start.column < -1 || start.column >= fieldSize || start.row < -1 || start.row >= fieldSize)
            fail("a loaded start outside the field", fieldSize);
        askWallsAroundStart(world);
    }
    return 0;
}
