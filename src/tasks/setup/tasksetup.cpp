#include "tasks/setup/tasksetup.h"

#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "tasks/setup/selectsizevariant.h"
#include "world/model/fieldcanvas.h"
#include "world/model/runcontrol.h"
#include "world/model/wallmodel.h"

namespace {

void drawTaskObjects(World &world, FieldCanvas *canvas)
{
    // The executor stands on point А whether or not anything is drawn.
    resetExecutorToStart(world);
    if (canvas)
        canvas->drawTaskObjects(world);
}

} // namespace

void showVariableWalls(WallModel &walls, FieldCanvas *canvas)
{
    walls.selectors.fill(0);
    const int count = qMin(walls.variableWallCount(), int(WallModel::maxVariableWalls));
    for (int i = 0; i < count; ++i)
        setVariableWall(walls, i, 1, canvas);
}

void setUpTaskField(const TaskData &task, World &world, FieldCanvas *canvas)
{
    world.fieldSize = TaskData::firstSize;
    if (canvas)
        canvas->drawEmptyField();
    selectSizeVariant(task, world);
    drawTaskObjects(world, canvas);
    showVariableWalls(world.walls, canvas);
}

void changeFieldSize(const TaskData &task, World &world, int fieldSize, FieldCanvas *canvas)
{
    if (fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize)
        return;
    world.fieldSize = qint16(fieldSize);
    selectSizeVariant(task, world);
    if (canvas)
        canvas->drawEmptyField();
    drawTaskObjects(world, canvas);
}

QStringList startAlgorithm(AlgorithmText &text, QStringList &procedureNames, bool hasPointB)
{
    buildAlgorithmSkeleton(text, hasPointB);
    procedureNames.clear();
    return resetStatistics();
}

World taskWorld(const TaskData &task, int fieldSize)
{
    World world;
    setUpTaskField(task, world, nullptr);
    changeFieldSize(task, world, fieldSize, nullptr);
    showVariableWalls(world.walls, nullptr);
    return world;
}
