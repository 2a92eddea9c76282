#pragma once

#include "display/executorpictures.h"
#include "display/fieldgeometry.h"
#include "display/opaqueimage.h"
#include "display/tracepieces.h"
#include "world/model/fieldcanvas.h"

#include <QFont>
#include <QImage>

#include <array>

class QPainter;
class WallModel;
struct World;

// The field picture and the saved square under the executor, with every drawing
// operation of the field. Nothing here reaches the screen by itself: the window shows
// picture() whenever it refreshes the field view, and repaints only what the scene says it
// painted since it last asked: a move touches two executor squares and a piece of trace.
class FieldScene : public FieldCanvas
{
public:
    explicit FieldScene(const FieldGeometry &geometry = FieldGeometry::compute(10, 12));

    // New geometry: pictures resized and cleared, frame and empty field drawn.
    void setGeometry(const FieldGeometry &geometry);
    const FieldGeometry &geometry() const { return m_geometry; }
    // Device pixels per pixel of the geometry, for a screen with a scale factor: the picture
    // is drawn that much finer and keeps the geometry's size in device-independent pixels
    // (its device pixel ratio). The field is drawn empty anew.
    void setScale(int scale);
    int scale() const { return m_scale; }

    const QImage &picture() const { return m_picture; }
    // What was painted since the last call (empty: nothing), and start afresh.
    QRect takePaintedArea();

    void clearPicture();
    void drawFrame();
    void drawEmptyField() override;
    void drawFixedHorizontalWall(CellPosition wall);
    void drawFixedVerticalWall(CellPosition wall);
    void drawPointMark(int column, int row, QChar letter);
    void drawTaskObjects(World &world) override;
    void drawVariableWallPresent(const WallModel &walls, int index, int variant) override;
    void drawVariableWallAbsent(const WallModel &walls, int index, int variant) override;

    void saveUnderExecutor(int column, int row) override;
    void restoreUnderExecutor(int column, int row) override;
    void drawExecutor(const ExecutorState &executor, int heading) override;
    void drawCrashPicture(const ExecutorState &executor) override;
    void drawTrace(CellPosition from, CellPosition to) override;

private:
    void drawPicture(const ExecutorState &executor, int picture, int dx, int dy);
    void drawText(QPainter &painter, QPoint topLeft, const QString &text, QRgb background);
    void painted(const QRect &area) { m_painted |= area; }
    void paintedAll() { m_painted = logicalRect(); }
    QRect logicalRect() const { return {0, 0, m_geometry.pictureWidth(), m_geometry.pictureWidth()}; }
    QRect deviceRect(const QRect &area) const { return {area.topLeft() * m_scale, area.size() * m_scale}; }

    FieldGeometry m_geometry;
    int m_scale = 1;
    QImage m_picture;
    QImage m_savedSquare;
    ExecutorPictures m_executorPictures;
    std::array<OpaqueImage, ExecutorPictures::pictureCount> m_opaquePictures; // the same, drawn on every move
    TracePieces m_tracePieces;
    QFont m_letterFont;
    QFont m_labelFont;
    bool m_labelFontSet = false; // once a variable-wall label is drawn, the point letters use its font too
    QRect m_painted;
};
