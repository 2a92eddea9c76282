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

// Is the edge in front of the executor a wall or the border of the field?
bool wallAhead(const World &world);

// The cell one move ahead for a heading (no wall test).
CellPosition cellAhead(const ExecutorState &executor);
