#pragma once

#include "world/model/fieldcanvas.h"

#include <QRect>

class FieldScene;

// Draws on the field scene and notes which part of the field picture each drawing
// changed, so that a refresh repaints only that: a move touches two executor squares
// and a piece of trace, not the whole field.
class ChangedAreaCanvas : public FieldCanvas
{
public:
    explicit ChangedAreaCanvas(FieldScene &scene);

    // What changed since the last call (empty: nothing), and start afresh.
    QRect takeChangedArea();

    void drawEmptyField() override;
    void drawTaskObjects(World &world) override;
    void drawVariableWallPresent(const WallModel &walls, int index, int variant) override;
    void drawVariableWallAbsent(const WallModel &walls, int index, int variant) override;
    void saveUnderExecutor(int column, int row) override;
    void restoreUnderExecutor(int column, int row) override;
    void drawExecutor(const ExecutorState &executor, int heading) override;
    void drawCrashPicture(const ExecutorState &executor) override;
    void drawTrace(CellPosition from, CellPosition to) override;

private:
    QRect executorArea(int column, int row) const;
    void changed(const QRect &area) { m_changed |= area; }
    void changedAll();

    FieldScene &m_scene;
    QRect m_changed;
};
