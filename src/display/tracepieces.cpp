#include "display/tracepieces.h"

#include "display/fieldcolours.h"
#include "display/opaquepixels.h"

#include <QPainter>

namespace {

// Half the pen, the round cap and the half-pixel shift, with a pixel to spare.
constexpr int margin = TracePieces::penWidth / 2 + 2;
// Steps, jumps and turns give a handful of distinct pieces; any other line is stroked as it comes.
constexpr std::size_t maximumPieces = 32;

} // namespace

void TracePieces::stroke(QImage &picture, QPoint from, QPoint to)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Half a pixel puts the pen symmetrically around the pixel row or column of the line.
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(QColor(FieldColours::trace), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
}

const TracePieces::Piece *TracePieces::piece(QPoint delta)
{
    for (const Piece &known : m_pieces) {
        if (known.delta == delta)
            return known.image.image().isNull() ? nullptr : &known;
    }
    if (m_pieces.size() >= maximumPieces)
        return nullptr;
    Piece made{delta, QPoint(margin + qMax(0, -delta.x()), margin + qMax(0, -delta.y())), {}};
    QImage image(qAbs(delta.x()) + 2 * margin + 1, qAbs(delta.y()) + 2 * margin + 1,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    stroke(image, made.origin, made.origin + delta);
    // A piece with partly covered pixels could not be copied as it is; such a line is stroked every time.
    if (isOpaqueOrClear(image))
        made.image = OpaqueImage(image);
    m_pieces.push_back(made);
    return made.image.image().isNull() ? nullptr : &m_pieces.back();
}

void TracePieces::draw(QImage &picture, QPoint from, QPoint to)
{
    const Piece *found = picture.format() == QImage::Format_RGB32 ? piece(to - from) : nullptr;
    if (!found) {
        stroke(picture, from, to);
        return;
    }
    found->image.draw(picture, from - found->origin);
}
