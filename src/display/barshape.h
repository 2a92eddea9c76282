#pragma once

#include "display/fieldgeometry.h"

#include <QPoint>

#include <array>

// A raised bar along an edge line: a hexagon with pointed 45° ends, whose upper/left long
// side is lit (white) and whose lower/right long side is shaded (black).
struct BarShape
{
    std::array<QPoint, 6> hexagon;
    std::array<QPoint, 4> litEdge;
    std::array<QPoint, 4> shadedEdge;
};

// The wall on the right edge of cell (column, row).
BarShape verticalWallBar(const FieldGeometry &geometry, int column, int row);
// The wall on the lower edge of cell (column, row).
BarShape horizontalWallBar(const FieldGeometry &geometry, int column, int row);
// The frame around the field: left, right, top and bottom bar, in drawing order.
std::array<BarShape, 4> frameBars(const FieldGeometry &geometry);
