#pragma once

#include "world/model/cellposition.h"
#include "world/model/wallvariant.h"

#include <QPoint>
#include <QRect>
#include <QtGlobal>

#include <optional>

// Pixel geometry of the field for a layout unit m and a field size N.
struct FieldGeometry
{
    qint16 layoutUnit = 10; // m
    qint16 fieldSize = 12;  // N
    qint16 cellSize = 0;    // c = 48·m div N
    qint16 halfCell = 0;
    qint16 originX = 0; // centre of cell (0, 0)
    qint16 originY = 0;
    qint16 spriteSize = 0; // s = c − m − 2
    qint16 halfSprite = 0;

    static FieldGeometry compute(int layoutUnit, int fieldSize);

    int pictureWidth() const; // W = 2·m + N·c
    QPoint cellCentre(int column, int row) const;
    QRect executorSquare(int column, int row) const; // s × s around the cell centre
    int columnLabelLeft(int index) const;            // ruler label positions
    int rowLabelTop(int index) const;

    // What a point of the field picture falls on: a cell, or an inner edge between two cells
    // (as the wall that would lie there: "H" below its cell, "V" to its right). A point counts
    // for an edge within a quarter of a cell (at least the half-thickness of a wall bar) of
    // it; edges on the border are never hit. With an orientation, only edges of that one.
    std::optional<CellPosition> cellAt(QPoint point) const;
    std::optional<WallVariant> edgeAt(QPoint point) const;
    std::optional<WallVariant> edgeAt(QPoint point, bool horizontal) const;

    friend bool operator==(const FieldGeometry &, const FieldGeometry &) = default;
};
