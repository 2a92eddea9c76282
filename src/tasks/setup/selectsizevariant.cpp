#include "tasks/setup/selectsizevariant.h"

void selectSizeVariant(const TaskData &task, World &world)
{
    if (world.fieldSize < TaskData::firstSize || world.fieldSize > TaskData::lastSize)
        return;
    const TaskSizeData &size = task.size(world.fieldSize);
    world.start = size.start;
    world.pointB = task.hasPointB ? size.pointB : CellPosition{-1, -1};
    world.walls.walls = size.walls;
    for (int i = world.walls.variableWallCount(); i < WallModel::maxVariableWalls; ++i)
        world.walls.selectors[i] = 0;
}
