#include "display/tracepieces.h"

#include "display/fieldcolours.h"

#include <QPainter>

namespace {

// Half the pen, the round cap and the half-pixel shift, with a pixel to spare.
constexpr int margin = TracePieces::penWidth / 2 + 2;
// Steps, jumps and turns give a handful of distinct pieces; any other line is stroked as it comes.
constexpr std::size_t maximumPieces = 32;

bool isOpaqueOrClear(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha != 0 && alpha != 255)
                return false;
        }
    }
    return true;
}

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
            return known.image.isNull() ? nullptr : &known;
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
        made.image = image;
    m_pieces.push_back(made);
    return made.image.isNull() ? nullptr : &m_pieces.back();
}

void TracePieces::draw(QImage &picture, QPoint from, QPoint to)
{
    const Piece *found = picture.format() == QImage::Format_RGB32 ? piece(to - from) : nullptr;
    if (!found) {
        stroke(picture, from, to);
        return;
    }
    const QPoint topLeft = from - found->origin;
    const QRect area = QRect(topLeft, found->image.size()) & picture.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(found->image.constScanLine(y - topLeft.y()));
        auto *target = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = source[x - topLeft.x()];
            if (qAlpha(pixel) != 0)
                target[x] = pixel;
        }
    }
}
