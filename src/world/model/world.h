#pragma once

#include "world/model/cellposition.h"
#include "world/model/executorstate.h"
#include "world/model/startposition.h"
#include "world/model/wallmodel.h"

// The executor's world: the executor, point А, point Б and the walls in force.
// The work window (or the checker) owns one and hands it to the core by reference.
struct World
{
    ExecutorState executor;
    StartPosition start;
    CellPosition pointB;
    WallModel walls;
    qint16 fieldSize = 12;
};

// Puts the executor on point А; an unset (−1) start value becomes 0 in the start itself.
void resetExecutorToStart(World &world);

// Is the edge in front of the executor a wall or the border of the field? Inline: a run
// asks it for every condition it tests.
inline bool wallAhead(const World &world)
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

// The cell one move ahead for a heading (no wall test).
CellPosition cellAhead(const ExecutorState &executor);
