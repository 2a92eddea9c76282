#include "display/fieldgeometry.h"

namespace {

enum class EdgeFilter { Any, Horizontal, Vertical };

std::optional<WallVariant> nearestEdge(const FieldGeometry &g, QPoint point, EdgeFilter filter)
{
    const std::optional<CellPosition> cell = g.cellAt(point);
    if (!cell)
        return std::nullopt;
    const int c = g.cellSize;
    const int n = g.fieldSize;
    const int dx = point.x() - g.layoutUnit - cell->column * c;
    const int dy = point.y() - g.layoutUnit - cell->row * c;
    const int tolerance = qMax(g.layoutUnit / 2 + 1, c / 4);
    struct Candidate
    {
        int distance;
        bool horizontal;
        int column;
        int row;
    };
    const Candidate candidates[] = {{dx, false, cell->column - 1, cell->row},
                                    {c - 1 - dx, false, cell->column, cell->row},
                                    {dy, true, cell->column, cell->row - 1},
                                    {c - 1 - dy, true, cell->column, cell->row}};
    const Candidate *best = nullptr;
    for (const Candidate &candidate : candidates) {
        if ((filter == EdgeFilter::Horizontal && !candidate.horizontal)
            || (filter == EdgeFilter::Vertical && candidate.horizontal))
            continue;
        const int across = candidate.horizontal ? candidate.row : candidate.column;
        if (across < 0 || across > n - 2 || candidate.distance > tolerance)
            continue;
        if (!best || candidate.distance < best->distance)
            best = &candidate;
    }
    if (!best)
        return std::nullopt;
    return WallVariant{best->horizontal ? QStringLiteral("H") : QStringLiteral("V"), qint16(best->column),
                       qint16(best->row)};
}

} // namespace

FieldGeometry FieldGeometry::compute(int layoutUnit, int fieldSize)
{
    FieldGeometry g;
    g.layoutUnit = qint16(layoutUnit);
    g.fieldSize = qint16(fieldSize);
    // The picture area is 50·m wide with a margin of m on each side; the cells share what is left.
    g.cellSize = fieldSize > 0 ? qint16((50 * layoutUnit - 2 * layoutUnit) / fieldSize) : qint16(0);
    g.halfCell = qint16(g.cellSize / 2);
    g.originX = qint16(g.halfCell + layoutUnit);
    g.originY = g.originX;
    g.spriteSize = qint16(g.cellSize - layoutUnit - 2);
    g.halfSprite = qint16(g.spriteSize / 2);
    return g;
}

int FieldGeometry::pictureWidth() const
{
    return qint16(2 * layoutUnit + fieldSize * cellSize);
}

QPoint FieldGeometry::cellCentre(int column, int row) const
{
    return {qint16(column * cellSize + originX), qint16(row * cellSize + originY)};
}

QRect FieldGeometry::executorSquare(int column, int row) const
{
    const QPoint centre = cellCentre(column, row);
    return {qint16(centre.x() - halfSprite), qint16(centre.y() - halfSprite), spriteSize, spriteSize};
}

int FieldGeometry::columnLabelLeft(int index) const
{
    return qint16(2 * layoutUnit + halfCell + index * cellSize);
}

int FieldGeometry::rowLabelTop(int index) const
{
    return columnLabelLeft(index);
}

std::optional<CellPosition> FieldGeometry::cellAt(QPoint point) const
{
    if (cellSize <= 0)
        return std::nullopt;
    const int x = point.x() - layoutUnit;
    const int y = point.y() - layoutUnit;
    const int extent = fieldSize * cellSize;
    if (x < 0 || y < 0 || x >= extent || y >= extent)
        return std::nullopt;
    return CellPosition{qint16(x / cellSize), qint16(y / cellSize)};
}

std::optional<WallVariant> FieldGeometry::edgeAt(QPoint point) const
{
    return nearestEdge(*this, point, EdgeFilter::Any);
}

std::optional<WallVariant> FieldGeometry::edgeAt(QPoint point, bool horizontal) const
{
    return nearestEdge(*this, point, horizontal ? EdgeFilter::Horizontal : EdgeFilter::Vertical);
}
