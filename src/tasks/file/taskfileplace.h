#pragma once

#include "world/model/cellposition.h"

// What a stretch of a written task file describes, so that a problem found at a line and
// column of the file can be pointed out on the field.
struct TaskFilePlace
{
    enum class Kind {
        Header,
        Statement,
        SectionHeader,
        Start,
        PointB,
        HorizontalWall,
        VerticalWall,
        VariableWall
    };

    int line = 0; // 1-based
    int firstColumn = 1;
    int lastColumn = 1;
    Kind kind = Kind::Header;
    int fieldSize = 0; // 0 outside a size section
    CellPosition cell; // the cell of a point, or the wall's cell
    int index = -1;    // the variable wall, 0-based
    int variant = 0;   // its position, 1 or 2

    bool contains(int lineNumber, int column) const
    {
        return lineNumber == line && column >= firstColumn && column <= lastColumn;
    }
};
