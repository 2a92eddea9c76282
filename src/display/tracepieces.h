#pragma once

#include "display/opaqueimage.h"

#include <QImage>
#include <QPoint>

#include <vector>

// The trace between two cell centres. A run draws the same few pieces (a step in each
// direction) thousands of times, and an aliased stroke between pixel centres comes out the
// same wherever it lies on the pixel grid; so each piece is stroked once and then copied.
class TracePieces
{
public:
    static constexpr int penWidth = 5;

    // The trace from one point of the picture to another; the pen runs half a pixel right
    // of and below the points, round at both ends.
    void draw(QImage &picture, QPoint from, QPoint to);

    // The same with the painter itself: what every piece holds.
    static void stroke(QImage &picture, QPoint from, QPoint to);

private:
    struct Piece
    {
        QPoint delta;      // to − from
        QPoint origin;     // where `from` lies in the piece
        OpaqueImage image; // null when the stroke leaves pixels partly covered
    };

    const Piece *piece(QPoint delta);

    std::vector<Piece> m_pieces;
};
