#pragma once

#include "tasks/file/taskdata.h"
#include "world/model/world.h"

// Copies the start, point Б and walls that the task gives for world.fieldSize into the
// world, replacing the lists whole; point Б becomes (−1, −1) when the task has none.
// A size outside 12..15 changes nothing.
// The selectors keep their values, except that a selector whose variable wall the new
// size lacks is set to 0: no selector may make a wall block that is not in the list.
void selectSizeVariant(const TaskData &task, World &world);
