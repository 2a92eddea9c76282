#include "world/model/wallmodel.h"

bool WallModel::variableWallAt(QChar orientation, qint16 column, qint16 row) const
{
    for (int i = 0; i < walls.variable.size() && i < maxVariableWalls; ++i) {
        const int selector = selectors[i];
        if (selector != 1 && selector != 2)
            continue;
        const WallVariant &v = walls.variable[i].variant(selector);
        if (v.column == column && v.row == row && v.orientation.size() == 1
            && v.orientation.front() == orientation)
            return true;
    }
    return false;
}
