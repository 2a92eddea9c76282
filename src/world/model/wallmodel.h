#pragma once

#include "world/model/wallset.h"

#include <array>

// The walls in force on the field, with the selectors that say which variant
// of each variable wall is present: 0 none, 1 variant 1, 2 variant 2.
class WallModel
{
public:
    static constexpr int maxVariableWalls = 3;

    WallSet walls;
    std::array<int, maxVariableWalls> selectors{0, 0, 0};

    // Asked for every condition a run tests, so kept where the caller can inline them.
    bool horizontalWallAt(qint16 column, qint16 row) const
    {
        return fixedWallAt(walls.horizontal, column, row)
            || (!walls.variable.isEmpty() && variableWallAt(u'H', column, row));
    }
    bool verticalWallAt(qint16 column, qint16 row) const
    {
        return fixedWallAt(walls.vertical, column, row)
            || (!walls.variable.isEmpty() && variableWallAt(u'V', column, row));
    }

    int variableWallCount() const { return int(walls.variable.size()); }

private:
    static bool fixedWallAt(const QList<CellPosition> &list, qint16 column, qint16 row)
    {
        for (const CellPosition &wall : list) {
            if (wall.column == column && wall.row == row)
                return true;
        }
        return false;
    }
    // Is the present variant of some variable wall on that edge? The orientation ("H" or "V")
    // is compared whole.
    bool variableWallAt(QChar orientation, qint16 column, qint16 row) const;
};
