#include "world/model/world.h"

void resetExecutorToStart(World &world)
{
    StartPosition &start = world.start;
    if (start.column == -1)
        start.column = 0;
    if (start.row == -1)
        start.row = 0;
    if (start.heading == -1)
        start.heading = 0;
    world.executor = {start.column, start.row, start.heading};
}

CellPosition cellAhead(const ExecutorState &e)
{
    switch (e.heading) {
    case 0: return {qint16(e.column + 1), e.row};
    case 90: return {e.column, qint16(e.row - 1)};
    case 180: return {qint16(e.column - 1), e.row};
    case 270: return {e.column, qint16(e.row + 1)};
    default: return {e.column, e.row};
    }
}
