#include "session/changedareacanvas.h"

#include "display/executorpictures.h"
#include "display/fieldscene.h"

namespace {

// The trace pen is 5 pixels wide with round caps, drawn half a pixel off the line.
constexpr int traceReach = 4;

} // namespace

ChangedAreaCanvas::ChangedAreaCanvas(FieldScene &scene)
    : m_scene(scene)
{
}

QRect ChangedAreaCanvas::takeChangedArea()
{
    const QRect area = m_changed & m_scene.picture().rect();
    m_changed = QRect();
    return area;
}

void ChangedAreaCanvas::changedAll()
{
    m_changed = m_scene.picture().rect();
}

QRect ChangedAreaCanvas::executorArea(int column, int row) const
{
    const FieldGeometry &geometry = m_scene.geometry();
    // On a small screen the executor picture is larger than its square and overhangs it.
    const int overhang = qMax(0, ExecutorPictures::pictureSize - geometry.spriteSize);
    return geometry.executorSquare(column, row).adjusted(-overhang, -overhang, overhang, overhang);
}

void ChangedAreaCanvas::drawEmptyField()
{
    m_scene.drawEmptyField();
    changedAll();
}

void ChangedAreaCanvas::drawTaskObjects(World &world)
{
    m_scene.drawTaskObjects(world);
    changedAll();
}

// Wall bars carry labels and dotted outlines; they are drawn only when a pass begins,
// right after the whole field, so the whole picture is as cheap as working out the bar.
void ChangedAreaCanvas::drawVariableWallPresent(const WallModel &walls, int index, int variant)
{
    m_scene.drawVariableWallPresent(walls, index, variant);
    changedAll();
}

void ChangedAreaCanvas::drawVariableWallAbsent(const WallModel &walls, int index, int variant)
{
    m_scene.drawVariableWallAbsent(walls, index, variant);
    changedAll();
}

void ChangedAreaCanvas::saveUnderExecutor(int column, int row)
{
    m_scene.saveUnderExecutor(column, row);
}

void ChangedAreaCanvas::restoreUnderExecutor(int column, int row)
{
    m_scene.restoreUnderExecutor(column, row);
    changed(executorArea(column, row));
}

void ChangedAreaCanvas::drawExecutor(const ExecutorState &executor, int heading)
{
    m_scene.drawExecutor(executor, heading);
    changed(executorArea(executor.column, executor.row));
}

void ChangedAreaCanvas::drawCrashPicture(const ExecutorState &executor)
{
    m_scene.drawCrashPicture(executor);
    changed(executorArea(executor.column, executor.row));
}

void ChangedAreaCanvas::drawTrace(CellPosition from, CellPosition to)
{
    m_scene.drawTrace(from, to);
    const FieldGeometry &geometry = m_scene.geometry();
    const QRect line =
        QRect(geometry.cellCentre(from.column, from.row), geometry.cellCentre(to.column, to.row))
            .normalized()
            .translated(1, 1);
    changed(line.adjusted(-traceReach, -traceReach, traceReach, traceReach));
}
