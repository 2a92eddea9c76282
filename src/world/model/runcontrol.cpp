#include "world/model/runcontrol.h"

#include "world/model/fieldcanvas.h"
#include "world/model/wallmodel.h"

bool swapVariableWall(WallModel &walls, int index, FieldCanvas *canvas)
{
    if (index < 0 || index >= WallModel::maxVariableWalls || index >= walls.variableWallCount())
        return false;
    int &selector = walls.selectors[size_t(index)];
    if (selector != 1 && selector != 2)
        return false;
    const int old = selector;
    selector = 3 - old;
    if (canvas) {
        canvas->drawVariableWallAbsent(walls, index, old);
        canvas->drawVariableWallPresent(walls, index, selector);
    }
    return true;
}
