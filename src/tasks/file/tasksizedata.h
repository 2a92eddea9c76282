#pragma once

#include "world/model/cellposition.h"
#include "world/model/startposition.h"
#include "world/model/wallset.h"

// What a task says about one field size. A size the task does not describe keeps
// these values: start (0, 0) facing right, point Б (0, 0), no walls.
struct TaskSizeData
{
    StartPosition start{0, 0, 0};
    CellPosition pointB{0, 0};
    WallSet walls;

    friend bool operator==(const TaskSizeData &, const TaskSizeData &) = default;
};
