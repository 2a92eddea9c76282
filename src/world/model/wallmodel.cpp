#include "world/model/wallmodel.h"

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

bool WallModel::variableWallAt(QChar orientation, qint16 column, qint16 row) const
{
    for (int i = 0; i < walls.variable.size() && i < maxVariableWalls; ++i) {
        const int selector = selectors[i];
        if (selector != 1 && selector != 2)
            continue;
        const WallVariant &v = walls.variable[i].variant(selector);
        if (v.column == column && v.row == row && v.orientation.size() == 1 && v.orientation.front() == orientation)
            return true;
    }
    return false;
}

bool WallModel::horizontalWallAt(qint16 column, qint16 row) const
{
    return fixedWallAt(walls.horizontal, column, row) || variableWallAt(u'H', column, row);
}

bool WallModel::verticalWallAt(qint16 column, qint16 row) const
{
    return fixedWallAt(walls.vertical, column, row) || variableWallAt(u'V', column, row);
}
