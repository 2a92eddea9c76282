#pragma once

#include "world/model/cellposition.h"
#include "world/model/variablewall.h"

#include <QList>

// The walls of one field size. A horizontal wall (column, row) lies on the lower edge
// of that cell, a vertical one on its right edge.
struct WallSet
{
    QList<CellPosition> horizontal;
    QList<CellPosition> vertical;
    QList<VariableWall> variable;

    friend bool operator==(const WallSet &, const WallSet &) = default;
};
