#include "tasks/check/pointbcheck.h"

#include "tasks/check/reachability.h"
#include "tasks/setup/tasksetup.h"
#include "world/model/arrangementworld.h"

namespace {

QString arrangementText(const QList<int> &arrangement)
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
        const int walls = int(task.size(size).walls.variable.size());
        QStringList blocked;
        const QList<QList<int>> arrangements = allArrangements(walls);
        for (const QList<int> &arrangement : arrangements) {
            if (!isReachable(withArrangementFixed(arrangedWorld(world, arrangement)), start, world.pointB))
                blocked.append(arrangementText(arrangement));
        }
        if (blocked.isEmpty())
            continue;
        const QString where = walls == 0 ? QString()
            : blocked.size() == arrangements.size()
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
