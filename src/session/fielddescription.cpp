#include "session/fielddescription.h"

#include "world/model/world.h"

#include <array>

namespace {

QString cellText(int column, int row)
{
    return QStringLiteral("X=%1, Y=%2").arg(column).arg(row);
}

QString headingText(int heading)
{
    switch (heading) {
    case 90: return QStringLiteral("вверх");
    case 180: return QStringLiteral("влево");
    case 270: return QStringLiteral("вниз");
    default: return QStringLiteral("вправо");
    }
}

bool listed(const QList<CellPosition> &walls, int column, int row)
{
    return walls.contains(CellPosition{qint16(column), qint16(row)});
}

// One side of the executor's cell: the border, a fixed wall, a movable one standing there
// now, or nothing (empty text).
QString sideText(const World &world, int side)
{
    const ExecutorState &e = world.executor;
    const int last = world.fieldSize - 1;
    // Each side as the wall that would lie on it: a horizontal one below (column, row), a
    // vertical one to the right of it.
    struct Edge
    {
        bool border;
        bool horizontal;
        int column;
        int row;
    };
    const std::array<Edge, 4> edges{{
        {e.row <= 0, true, e.column, e.row - 1},
        {e.column >= last, false, e.column, e.row},
        {e.row >= last, true, e.column, e.row},
        {e.column <= 0, false, e.column - 1, e.row},
    }};
    const Edge &edge = edges[size_t(side)];
    if (edge.border)
        return QStringLiteral("край поля");
    const WallModel &walls = world.walls;
    const qint16 column = qint16(edge.column);
    const qint16 row = qint16(edge.row);
    const bool wall =
        edge.horizontal ? walls.horizontalWallAt(column, row) : walls.verticalWallAt(column, row);
    if (!wall)
        return {};
    const bool fixed = listed(edge.horizontal ? walls.walls.horizontal : walls.walls.vertical, column, row);
    return fixed ? QStringLiteral("стена") : QStringLiteral("подвижная стена");
}

QString wallsText(const World &world)
{
    static const std::array<QString, 4> sideNames{QStringLiteral("сверху"), QStringLiteral("справа"),
                                                  QStringLiteral("снизу"), QStringLiteral("слева")};
    QStringList sides;
    for (int side = 0; side < 4; ++side) {
        const QString text = sideText(world, side);
        if (!text.isEmpty())
            sides.append(sideNames[size_t(side)] + QLatin1Char(' ') + text);
    }
    return sides.isEmpty()
        ? QStringLiteral("Вокруг клетки стен нет.")
        : QStringLiteral("Вокруг клетки: ") + sides.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString pointsText(const World &world)
{
    // An unset start value stands for 0, as the field shows it.
    const int startColumn = qMax<int>(world.start.column, 0);
    const int startRow = qMax<int>(world.start.row, 0);
    QString text = QStringLiteral("Точка А: ") + cellText(startColumn, startRow) + QLatin1Char('.');
    if (world.pointB.column >= 0 && world.pointB.row >= 0)
        text +=
            QStringLiteral(" Точка Б: ") + cellText(world.pointB.column, world.pointB.row) + QLatin1Char('.');
    return text;
}

} // namespace

QString fieldDescription(const World &world)
{
    const ExecutorState &e = world.executor;
    return QStringLiteral("Шагайка в клетке %1, смотрит %2. %3 %4")
        .arg(cellText(e.column, e.row), headingText(e.heading), wallsText(world), pointsText(world));
}

QString crashDescription(const World &world)
{
    return QStringLiteral("Авария: стена впереди, Шагайка в клетке %1. ")
               .arg(cellText(world.executor.column, world.executor.row))
        + fieldDescription(world);
}
