#include "judge/pointbcheck.h"

#include "judge/tasktest.h"
#include "judge/testworld.h"
#include "tasks/check/reachability.h"
#include "tasks/setup/tasksetup.h"

namespace {

QString dashedArrangement(const QList<int> &arrangement)
{
    QStringList parts;
    for (int selector : arrangement)
        parts.append(QString::number(selector));
    return parts.join(u'-');
}

} // namespace

QList<TaskProblem> unreachablePointB(const TaskData &task, const TaskFileLayout &layout)
{
    QList<TaskProblem> problems;
    if (!task.hasPointB)
        return problems;
    const QList<TaskTest> tests = taskTests(task);
    for (int size : task.offeredSizes()) {
        int line = 0;
        int column = 0;
        for (const TaskFilePlace &place : layout.places) {
            if (place.kind == TaskFilePlace::Kind::PointB && place.fieldSize == size) {
                line = place.line;
                column = place.firstColumn;
            }
        }
        const World world = taskWorld(task, size);
        const CellPosition start{world.start.column, world.start.row};
        QStringList blocked;
        qsizetype arrangements = 0;
        for (const TaskTest &test : tests) {
            if (test.fieldSize != size)
                continue;
            ++arrangements;
            if (!isReachable(testRunWorld(task, test), start, world.pointB))
                blocked.append(dashedArrangement(test.arrangement));
        }
        if (blocked.isEmpty())
            continue;
        const QString where = task.size(size).walls.variable.isEmpty() ? QString()
            : blocked.size() == arrangements
            ? QStringLiteral(" ни при какой расстановке подвижных стенок")
            : QStringLiteral(" при расстановке %1").arg(blocked.join(QStringLiteral(", ")));
        problems.append({line, column,
                         QStringLiteral("на поле %1 × %1 из точки А не дойти до точки Б (%2,%3)%4")
                             .arg(size)
                             .arg(world.pointB.column)
                             .arg(world.pointB.row)
                             .arg(where)});
    }
    return problems;
}
