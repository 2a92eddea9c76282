#pragma once

#include "world/model/cellposition.h"
#include "world/model/executorstate.h"

struct World;
class WallModel;

// What the executor's commands and a run draw on the field. The field scene of the
// display implements it; a run without pictures passes none and nothing is drawn.
class FieldCanvas
{
public:
    virtual ~FieldCanvas() = default;

    virtual void drawEmptyField() = 0;
    // Puts the executor on its start (resetExecutorToStart) and draws А, the executor, Б and the fixed walls.
    virtual void drawTaskObjects(World &world) = 0;
    virtual void drawVariableWallPresent(const WallModel &walls, int index, int variant) = 0;
    virtual void drawVariableWallAbsent(const WallModel &walls, int index, int variant) = 0;

    virtual void saveUnderExecutor(int column, int row) = 0;
    virtual void restoreUnderExecutor(int column, int row) = 0;
    // heading in degrees, also the half-way headings of a turn (45, 135, ..., 360).
    virtual void drawExecutor(const ExecutorState &executor, int heading) = 0;
    virtual void drawCrashPicture(const ExecutorState &executor) = 0;
    // The grey trace of ШАГ between two cell centres.
    virtual void drawTrace(CellPosition from, CellPosition to) = 0;
};
