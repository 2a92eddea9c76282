#include "display/fieldgeometry.h"

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
