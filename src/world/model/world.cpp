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

bool wallAhead(const World &world)
{
    const ExecutorState &e = world.executor;
    const int last = world.fieldSize - 1;
    switch (e.heading) {
    case 0: return e.column + 1 > last || world.walls.verticalWallAt(e.column, e.row);
    case 90: return e.row - 1 < 0 || world.walls.horizontalWallAt(e.column, qint16(e.row - 1));
    case 180: return e.column - 1 < 0 || world.walls.verticalWallAt(qint16(e.column - 1), e.row);
    case 270: return e.row + 1 > last || world.walls.horizontalWallAt(e.column, e.row);
    default:
        // A heading outside the four is never produced; treat it as blocked rather than move diagonally.
        return true;
    }
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
