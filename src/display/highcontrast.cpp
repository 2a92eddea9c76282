#include "display/highcontrast.h"

#include "display/fieldcolours.h"

namespace HighContrast {

QRgb colour(QRgb fieldColour)
{
    // Face and bar are one colour: a wall keeps only its edges, which both turn black.
    switch (fieldColour & RGB_MASK) {
    case FieldColours::face &RGB_MASK: return qRgb(255, 255, 255);
    case FieldColours::white &RGB_MASK:
    case FieldColours::trace &RGB_MASK: return qRgb(0, 0, 0);
    case FieldColours::pointerFill &RGB_MASK: return qRgb(192, 0, 0);
    default: return fieldColour;
    }
}

QImage recoloured(const QImage &picture, const QRect &area)
{
    QImage part = picture.copy(area).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < part.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            line[x] = colour(line[x]);
    }
    return part;
}

} // namespace HighContrast
