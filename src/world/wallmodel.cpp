#include "world/wallmodel.h"

namespace {

bool fixedWallAt(const QList<CellPosition> &list, qint16 column, qint16 row)
{
    for (const CellPosition &wall : list) {
        if (wall.column == column && wall.row == row)
            return true;
    }
    return false;
}

} // namespace

bool WallModel::horizontalWallAt(qint16 column, qint16 row) const
{
    if (fixedWallAt(walls.horizontal, column, row))
        return true;
    for (int i = 0; i < walls.variable.size() && i < maxVariableWalls; ++i) {
        const int selector = selectors[i];
        if (selector != 1 && selector != 2)
            continue;
        const WallVariant &v = walls.variable[i].variant(selector);
        if (v.isHorizontal() && v.column == column && v.row == row)
            return true;
    }
    return false;
}

bool WallModel::verticalWallAt(qint16 column, qint16 row) const
{
    if (fixedWallAt(walls.vertical, column, row))
        return true;
    for (int i = 0; i < walls.variable.size() && i < maxVariableWalls; ++i) {
        const int selector = selectors[i];
        if (selector != 1 && selector != 2)
            continue;
        const WallVariant &v = walls.variable[i].variant(selector);
        if (v.isVertical() && v.column == column && v.row == row)
            return true;
    }
    return false;
}
