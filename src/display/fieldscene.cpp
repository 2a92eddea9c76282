#include "display/fieldscene.h"

#include "display/barshape.h"
#include "display/fieldcolours.h"
#include "display/fieldfonts.h"
#include "display/opaquepixels.h"
#include "world/model/wallmodel.h"
#include "world/model/world.h"

#include <QFontMetrics>
#include <QPainter>
#include <QVarLengthArray>

#include <cstdlib>

namespace {

// A picture whose memory has the same size for every field size of the layout unit (that of the
// largest picture, 50·m square): once a picture of one size is freed, one of any other size
// fits into the same place of the heap, so switching sizes leaves no hole behind.
QImage fieldPicture(int width, int layoutUnit)
{
    const qsizetype side = qMax(width, 50 * layoutUnit);
    void *pixels = std::malloc(size_t(side * side * 4));
    if (!pixels)
        return QImage(width, width, QImage::Format_RGB32);
    return QImage(
        static_cast<uchar *>(pixels), width, width, qsizetype(width) * 4, QImage::Format_RGB32,
        [](void *memory) { std::free(memory); }, pixels);
}

// Pixel-exact drawing: no antialiasing of shapes.
void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QPen thinPen(QRgb colour)
{
    return QPen(QColor(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A one-pixel line that includes its first point and leaves out its last, whichever way it
// runs (the painter's own lines leave out the lower-right end instead).
void drawLineWithoutEnd(QPainter &painter, QPoint from, QPoint to)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int steps = qMax(qAbs(dx), qAbs(dy));
    QVarLengthArray<QPoint, 64> points;
    for (int i = 0; i < steps; ++i)
        points.append(from + QPoint(qRound(double(dx) * i / steps), qRound(double(dy) * i / steps)));
    painter.drawPoints(points.data(), int(points.size()));
}

// Each segment starts at its first point and leaves out its end pixel; the next segment
// starts there, so only the last point of the whole line stays undrawn.
void drawOpenPolyline(QPainter &painter, const std::array<QPoint, 4> &points, QRgb colour)
{
    painter.setPen(thinPen(colour));
    for (std::size_t i = 1; i < points.size(); ++i)
        drawLineWithoutEnd(painter, points[i - 1], points[i]);
}

void drawBar(QPainter &painter, const BarShape &bar)
{
    painter.setPen(thinPen(FieldColours::bar));
    painter.setBrush(QColor(FieldColours::bar));
    painter.drawPolygon(bar.hexagon.data(), int(bar.hexagon.size()));
    drawOpenPolyline(painter, bar.litEdge, FieldColours::white);
    drawOpenPolyline(painter, bar.shadedEdge, FieldColours::black);
}

BarShape wallBar(const FieldGeometry &geometry, const WallVariant &variant)
{
    return variant.isVertical() ? verticalWallBar(geometry, variant.column, variant.row)
                                : horizontalWallBar(geometry, variant.column, variant.row);
}

const WallVariant *variableWallVariant(const WallModel &walls, int index, int variant)
{
    if (index < 0 || index >= walls.variableWallCount() || (variant != 1 && variant != 2))
        return nullptr;
    return &walls.walls.variable[index].variant(variant);
}

struct Placement
{
    int picture;
    int dx;
    int dy;
};

// q is how much larger the executor square is than a picture; the pointer sits against
// the side of the square it points to.
Placement solidPlacement(int heading, int q)
{
    const int q2 = q / 2;
    switch (heading) {
    case 0:
    case 360: return {0, q, q2 + 2};
    case 45: return {2, q, 0};
    case 90: return {4, q2 + 2, 0};
    case 135: return {6, 0, 0};
    case 180: return {8, 0, q2 + 1};
    case 225: return {10, 0, q};
    case 270: return {12, q2 + 2, q};
    case 315: return {14, q, q};
    default: return {0, 0, 0};
    }
}

// The hollow picture of a blink lands one pixel left of or above the solid one.
Placement crashPlacement(int heading, int q)
{
    const int q2 = q / 2;
    switch (heading) {
    case 0:
    case 360: return {1, q, q2 + 1};
    case 90: return {5, q2 + 1, 0};
    case 180: return {9, 0, q2};
    case 270: return {13, q2 + 1, q};
    default: return {1, 0, 0};
    }
}

} // namespace

FieldScene::FieldScene(const FieldGeometry &geometry)
    : m_letterFont(pointLetterFont())
{
    for (int i = 0; i < ExecutorPictures::pictureCount; ++i)
        m_opaquePictures[std::size_t(i)] = OpaqueImage(m_executorPictures.picture(i));
    setGeometry(geometry);
}

void FieldScene::setGeometry(const FieldGeometry &geometry)
{
    m_geometry = geometry;
    const int width = geometry.pictureWidth() * m_scale;
    // A picture of the same size is drawn anew in place. One of another size replaces the old
    // picture only once that is gone, so that the two never take memory at once and the new
    // one takes the old one's place.
    if (m_picture.size() != QSize(width, width)) {
        m_picture = QImage();
        m_picture = fieldPicture(width, geometry.layoutUnit * m_scale);
    }
    // Every painter on the picture then draws in the geometry's pixels.
    m_picture.setDevicePixelRatio(m_scale);
    clearPicture();
    drawFrame();
    const int s = qMax(0, int(geometry.spriteSize)) * m_scale;
    m_savedSquare = QImage(s, s, QImage::Format_RGB32);
    m_savedSquare.fill(FieldColours::face);
    m_labelFont = wallLabelFont(2 * (geometry.layoutUnit / 2));
    drawEmptyField();
}

void FieldScene::setScale(int scale)
{
    m_scale = qMax(1, scale);
    setGeometry(m_geometry);
}

QRect FieldScene::takePaintedArea()
{
    const QRect area = m_painted & logicalRect();
    m_painted = QRect();
    return area;
}

void FieldScene::clearPicture()
{
    m_picture.fill(FieldColours::face);
    paintedAll();
}

void FieldScene::drawFrame()
{
    paintedAll();
    QPainter painter(&m_picture);
    prepare(painter);
    for (const BarShape &bar : frameBars(m_geometry))
        drawBar(painter, bar);
}

void FieldScene::drawEmptyField()
{
    clearPicture();
    drawFrame();
    QPainter painter(&m_picture);
    prepare(painter);
    // The grid lines leave out their end pixel; the outer edges are the frame's.
    painter.setPen(QPen(QColor(FieldColours::desktop), 1, Qt::SolidLine, Qt::FlatCap));
    const int m = m_geometry.layoutUnit;
    const int c = m_geometry.cellSize;
    const int end = m + m_geometry.fieldSize * c;
    for (int i = 1; i < m_geometry.fieldSize; ++i)
        painter.drawLine(m, m + i * c, end, m + i * c);
    for (int i = 1; i < m_geometry.fieldSize; ++i)
        painter.drawLine(m + i * c, m, m + i * c, end);
}

void FieldScene::drawFixedHorizontalWall(CellPosition wall)
{
    paintedAll();
    QPainter painter(&m_picture);
    prepare(painter);
    drawBar(painter, horizontalWallBar(m_geometry, wall.column, wall.row));
}

void FieldScene::drawFixedVerticalWall(CellPosition wall)
{
    paintedAll();
    QPainter painter(&m_picture);
    prepare(painter);
    drawBar(painter, verticalWallBar(m_geometry, wall.column, wall.row));
}

void FieldScene::drawPointMark(int column, int row, QChar letter)
{
    paintedAll();
    const QPoint centre = m_geometry.cellCentre(column, row);
    QPainter painter(&m_picture);
    prepare(painter);
    // An 8 × 8 dot one pixel right of and below the centre, where the trace runs.
    painter.setPen(thinPen(FieldColours::black));
    painter.setBrush(QColor(FieldColours::black));
    painter.drawEllipse(QRect(centre.x() - 3, centre.y() - 3, 7, 7));
    painter.setFont(m_labelFontSet ? m_labelFont : m_letterFont);
    drawText(painter, centre - QPoint(10, 13), QString(letter), FieldColours::face);
}

void FieldScene::drawText(QPainter &painter, QPoint topLeft, const QString &text, QRgb background)
{
    const QFontMetrics metrics(painter.font());
    painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())),
                     QColor(background));
    painter.setPen(QColor(FieldColours::text));
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
}

void FieldScene::drawTaskObjects(World &world)
{
    paintedAll();
    resetExecutorToStart(world);
    // А goes under the saved square, so it comes back when the executor leaves the start;
    // Б is drawn over the executor.
    drawPointMark(world.start.column, world.start.row, QChar(0x0410));
    saveUnderExecutor(world.executor.column, world.executor.row);
    drawExecutor(world.executor, world.executor.heading);
    if (world.pointB.column >= 0 && world.pointB.row >= 0)
        drawPointMark(world.pointB.column, world.pointB.row, QChar(0x0411));
    for (const CellPosition &wall : world.walls.walls.horizontal)
        drawFixedHorizontalWall(wall);
    for (const CellPosition &wall : world.walls.walls.vertical)
        drawFixedVerticalWall(wall);
}

void FieldScene::drawVariableWallPresent(const WallModel &walls, int index, int variant)
{
    const WallVariant *wall = variableWallVariant(walls, index, variant);
    if (!wall)
        return;
    const BarShape bar = wallBar(m_geometry, *wall);
    // Bars carry labels and dotted outlines; they are drawn only when a pass begins, right
    // after the whole field, so the whole picture costs no more than working out the bar's.
    paintedAll();
    QPainter painter(&m_picture);
    prepare(painter);
    drawBar(painter, bar);
    m_labelFontSet = true;
    painter.setFont(m_labelFont);
    // The label sits on the bar near its upper or left end; hexagon[0] is that end's point (e, f).
    const int h = m_geometry.layoutUnit / 2;
    const QPoint end = bar.hexagon[0];
    const QPoint topLeft = wall->isVertical() ? QPoint(end.x() - h + 1, end.y() + 2 * h)
                                              : QPoint(end.x() + 2 * h, end.y() - h + 1);
    drawText(painter, topLeft, QString::number(variant), FieldColours::bar);
}

void FieldScene::drawVariableWallAbsent(const WallModel &walls, int index, int variant)
{
    const WallVariant *wall = variableWallVariant(walls, index, variant);
    if (!wall)
        return;
    const BarShape bar = wallBar(m_geometry, *wall);
    paintedAll();
    QPainter painter(&m_picture);
    prepare(painter);
    // Whatever stood there goes, the gaps of the dotted outline included.
    painter.setPen(thinPen(FieldColours::face));
    painter.setBrush(QColor(FieldColours::face));
    painter.drawPolygon(bar.hexagon.data(), int(bar.hexagon.size()));
    QPen dotted(QColor(FieldColours::desktop), 1, Qt::CustomDashLine, Qt::FlatCap);
    dotted.setDashPattern({3, 3});
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(bar.hexagon.data(), int(bar.hexagon.size()));
}

// Every move saves and restores a square: its rows are copied into the buffer the last
// square left, without a new image or a painter each time.
void FieldScene::saveUnderExecutor(int column, int row)
{
    const QRect square = deviceRect(m_geometry.executorSquare(column, row));
    if (!m_picture.rect().contains(square) || m_savedSquare.size() != square.size()
        || m_savedSquare.format() != m_picture.format()) {
        m_savedSquare = m_picture.copy(square);
        return;
    }
    copyPixels(m_picture, square.topLeft(), m_savedSquare, QPoint(0, 0), square.size());
}

void FieldScene::restoreUnderExecutor(int column, int row)
{
    const QRect square = m_geometry.executorSquare(column, row);
    const QRect area(deviceRect(square).topLeft(), m_savedSquare.size());
    painted(QRect(square.topLeft(), m_savedSquare.size() / m_scale));
    if (!m_picture.rect().contains(area) || m_savedSquare.format() != m_picture.format()) {
        QPainter painter(&m_picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QRectF(square.topLeft(), QSizeF(m_savedSquare.size()) / m_scale), m_savedSquare);
        return;
    }
    copyPixels(m_savedSquare, QPoint(0, 0), m_picture, area.topLeft(), area.size());
}

void FieldScene::drawPicture(const ExecutorState &executor, int picture, int dx, int dy)
{
    const QRect square = m_geometry.executorSquare(executor.column, executor.row);
    const QPoint topLeft = square.topLeft() + QPoint(dx, dy);
    painted(QRect(topLeft, QSize(ExecutorPictures::pictureSize, ExecutorPictures::pictureSize)));
    // The pictures' pixels are opaque or clear, so on the field's own format they are copied.
    if (m_scale == 1 && m_picture.format() == QImage::Format_RGB32 && picture >= 0
        && picture < ExecutorPictures::pictureCount) {
        m_opaquePictures[std::size_t(picture)].draw(m_picture, topLeft);
        return;
    }
    QPainter painter(&m_picture);
    painter.drawImage(topLeft, m_executorPictures.picture(picture));
}

void FieldScene::drawExecutor(const ExecutorState &executor, int heading)
{
    const Placement p = solidPlacement(heading, m_geometry.spriteSize - ExecutorPictures::pictureSize);
    drawPicture(executor, p.picture, p.dx, p.dy);
}

void FieldScene::drawCrashPicture(const ExecutorState &executor)
{
    const Placement p =
        crashPlacement(executor.heading, m_geometry.spriteSize - ExecutorPictures::pictureSize);
    drawPicture(executor, p.picture, p.dx, p.dy);
}

void FieldScene::drawTrace(CellPosition from, CellPosition to)
{
    const QPoint shift(1, 1);
    const QPoint start = m_geometry.cellCentre(from.column, from.row) + shift;
    const QPoint end = m_geometry.cellCentre(to.column, to.row) + shift;
    // The pen is 5 pixels wide with round caps.
    const int reach = 4;
    painted(QRect(start, end).normalized().adjusted(-reach, -reach, reach, reach));
    // The pieces are copied pixel for pixel; a finer picture has the line stroked.
    if (m_scale == 1)
        m_tracePieces.draw(m_picture, start, end);
    else
        TracePieces::stroke(m_picture, start, end);
}
