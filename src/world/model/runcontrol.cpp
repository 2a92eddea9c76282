#include "world/model/runcontrol.h"

#include "world/model/fieldcanvas.h"
#include "world/model/wallmodel.h"

#include <chrono>
#include <thread>

void waitMilliseconds(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    // sleep_until may wake early on a signal; sleep again until the deadline has truly passed.
    while (Clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}

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
