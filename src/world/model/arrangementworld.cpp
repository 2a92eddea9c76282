#include "world/model/arrangementworld.h"

QList<QList<int>> allArrangements(int wallCount)
{
    const int count = qBound(0, wallCount, int(WallModel::maxVariableWalls));
    QList<QList<int>> arrangements;
    for (int number = 0; number < 1 << count; ++number) {
        QList<int> arrangement;
        for (int k = 0; k < count; ++k)
            arrangement.append(arrangementSelector(number, count, k));
        arrangements.append(arrangement);
    }
    return arrangements;
}

World arrangedWorld(World world, const QList<int> &arrangement)
{
    world.walls.selectors.fill(0);
    for (int k = 0; k < arrangement.size() && k < WallModel::maxVariableWalls; ++k)
        world.walls.selectors[size_t(k)] = arrangement.at(k);
    return world;
}

World withArrangementFixed(World world)
{
    WallSet &walls = world.walls.walls;
    for (int k = 0; k < walls.variable.size() && k < WallModel::maxVariableWalls; ++k) {
        const int selector = world.walls.selectors[size_t(k)];
        if (selector != 1 && selector != 2)
            continue;
        const WallVariant &variant = walls.variable.at(k).variant(selector);
        if (variant.isHorizontal())
            walls.horizontal.append({variant.column, variant.row});
        else if (variant.isVertical())
            walls.vertical.append({variant.column, variant.row});
    }
    walls.variable.clear();
    world.walls.selectors.fill(0);
    return world;
}
