#pragma once

#include "world/model/cellposition.h"
#include "world/model/world.h"

// Can the executor get from one cell to another at all, moving cell by cell through edges
// that are neither a wall nor the border (ШАГ and ПРЫЖОК pass the same edges)? The walls
// are those in force in the world, variable ones as their selectors stand.
bool isReachable(const World &world, CellPosition from, CellPosition to);
