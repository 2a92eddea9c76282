#include "world/model/runcontrol.h"

#include "world/model/fieldcanvas.h"
#include "world/model/wallmodel.h"

bool swapVariableWall(WallModel &walls, int index, FieldCanvas *canvas)
{
    if (index < 0 || index >= WallModel::maxVariableWalls || index >= walls.variableWallCount())
        return false;
    const int selector = walls.selectors[size_t(index)];
    if (selector != 1 && selector != 2)
        return false;
    setVariableWall(walls, index, 3 - selector, canvas);
    return true;
}

void setVariableWall(WallModel &walls, int index, int selector, FieldCanvas *canvas)
{
    if (canvas) {
        canvas->drawVariableWallAbsent(walls, index, 3 - selector);
        canvas->drawVariableWallPresent(walls, index, selector);
    }
    walls.selectors[size_t(index)] = selector;
}
