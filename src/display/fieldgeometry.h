#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

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

    friend bool operator==(const FieldGeometry &, const FieldGeometry &) = default;
};
