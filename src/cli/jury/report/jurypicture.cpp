#include "cli/jury/report/jurypicture.h"

#include "cli/jury/report/jurytexts.h"
#include "display/fieldcolours.h"
#include "display/fieldscene.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace {

// The field of the pass before its first line: walls, the variable ones as the pass found
// them, points and the executor on А.
void drawFieldOfPass(FieldScene &scene, const World &world)
{
    World shown = world;
    scene.drawEmptyField();
    scene.drawTaskObjects(shown);
    const int walls = qMin(shown.walls.variableWallCount(), int(WallModel::maxVariableWalls));
    for (int k = 0; k < walls; ++k) {
        const int selector = shown.walls.selectors[size_t(k)];
        if (selector != 1 && selector != 2)
            continue;
        scene.drawVariableWallAbsent(shown.walls, k, 3 - selector);
        scene.drawVariableWallPresent(shown.walls, k, selector);
    }
}

// The executor leaves point А: what lay under it comes back.
void liftExecutor(FieldScene &scene, const World &world)
{
    scene.restoreUnderExecutor(world.executor.column, world.executor.row);
}

void placeExecutor(FieldScene &scene, const ExecutorState &at)
{
    scene.saveUnderExecutor(at.column, at.row);
    scene.drawExecutor(at, at.heading);
}

QPointF edgeMiddle(const FieldGeometry &geometry, const CellEdge &edge)
{
    return (QPointF(geometry.cellCentre(edge.first.column, edge.first.row))
            + QPointF(geometry.cellCentre(edge.second.column, edge.second.row)))
        / 2.0
        + QPointF(1.5, 1.5);
}

void drawEdges(QPainter &painter, const FieldGeometry &geometry, const QList<CellEdge> &edges, QRgb colour,
               qreal width)
{
    painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap));
    const QPointF shift(1.5, 1.5);
    for (const CellEdge &edge : edges)
        painter.drawLine(QPointF(geometry.cellCentre(edge.first.column, edge.first.row)) + shift,
                         QPointF(geometry.cellCentre(edge.second.column, edge.second.row)) + shift);
}

// Lays the text out in lines of at most `width` pixels, broken between words, and inside a
// word only when it alone is wider (a long file name); returns the height of the lines.
int layOutWrapped(QTextLayout &layout, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1, width));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return qCeil(height);
}

struct LegendLine
{
    QRgb colour;
    QString text;
};

// Only what the picture can show: no reference's edges without a reference, no missing or
// extra edges in a task with point Б, no crash frame without a crash.
QList<LegendLine> legendLines(const TestPass &pass, const DiffLegend &legend)
{
    QList<LegendLine> lines;
    if (legend.hasReference)
        lines.append({DiffColours::reference, QStringLiteral("отрезки эталона")});
    lines.append({DiffColours::pupil, QStringLiteral("отрезки участника")});
    if (!legend.hasPointB) {
        lines.append(
            {DiffColours::missing, QStringLiteral("○ нет у участника: %1").arg(pass.missing.size())});
        lines.append({DiffColours::extra, QStringLiteral("× лишние у участника: %1").arg(pass.extra.size())});
    }
    if (pass.end == RunEnd::Crash)
        lines.append({DiffColours::missing, QStringLiteral("□ клетка перед стеной")});
    return lines;
}

QFont legendFont()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(14);
    return font;
}

} // namespace

QImage passPicture(const World &world, const TestPass &pass, int unit)
{
    FieldScene scene(FieldGeometry::compute(unit, world.fieldSize));
    World start = world;
    drawFieldOfPass(scene, start);
    resetExecutorToStart(start);
    liftExecutor(scene, start);
    for (const TraceSegment &segment : pass.trace)
        scene.drawTrace(segment.from, segment.to);
    placeExecutor(scene, pass.executor);
    return scene.picture();
}

QImage diffPicture(const World &world, const TestPass &pass, const QList<CellEdge> &referenceEdges, int unit,
                   const DiffLegend &legend)
{
    const FieldGeometry geometry = FieldGeometry::compute(unit, world.fieldSize);
    FieldScene scene(geometry);
    World start = world;
    drawFieldOfPass(scene, start);
    resetExecutorToStart(start);
    liftExecutor(scene, start);
    placeExecutor(scene, pass.executor);

    const QFont font = legendFont();
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height() + 4;
    const QImage field = scene.picture();
    const int x = geometry.layoutUnit;
    const QString failure = failureText(pass, legend.hasPointB);
    QTextLayout heading(
        failure.isEmpty() ? QStringLiteral("%1: %2").arg(testTitle(pass), outcomeText(pass)) : failure, font);
    const int headingHeight = layOutWrapped(heading, field.width() - 2 * x);

    const QList<LegendLine> lines = legendLines(pass, legend);
    QImage picture(field.width(), field.height() + 8 + headingHeight + 4 + int(lines.size()) * lineHeight + 4,
                   QImage::Format_RGB32);
    picture.fill(FieldColours::white);

    QPainter painter(&picture);
    painter.drawImage(0, 0, field);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal c = geometry.cellSize;
    drawEdges(painter, geometry, referenceEdges, DiffColours::reference, qMax<qreal>(6, c / 4));
    drawEdges(painter, geometry, drawnEdges(pass.trace), DiffColours::pupil, qMax<qreal>(2, c / 12));

    const qreal mark = qMax<qreal>(4, c / 5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(DiffColours::missing), 2.5));
    for (const CellEdge &edge : pass.missing)
        painter.drawEllipse(edgeMiddle(geometry, edge), mark, mark);
    painter.setPen(QPen(QColor(DiffColours::extra), 3));
    for (const CellEdge &edge : pass.extra) {
        const QPointF m = edgeMiddle(geometry, edge);
        painter.drawLine(m + QPointF(-mark, -mark), m + QPointF(mark, mark));
        painter.drawLine(m + QPointF(-mark, mark), m + QPointF(mark, -mark));
    }
    if (pass.end == RunEnd::Crash) {
        const QPoint centre = geometry.cellCentre(pass.executor.column, pass.executor.row);
        painter.setPen(QPen(QColor(DiffColours::missing), 3));
        painter.drawRect(QRectF(centre.x() - c / 2 + 2, centre.y() - c / 2 + 2, c - 3, c - 3));
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    int y = field.height() + 4;
    painter.setPen(QColor(FieldColours::text));
    heading.draw(&painter, QPointF(x, y));
    y += headingHeight + 4;
    for (const LegendLine &line : std::as_const(lines)) {
        painter.fillRect(QRect(x, y + lineHeight / 2 - 3, 24, 6), QColor(line.colour));
        painter.setPen(QColor(FieldColours::text));
        painter.drawText(QPoint(x + 32, y + metrics.ascent()), line.text);
        y += lineHeight;
    }
    return picture;
}
