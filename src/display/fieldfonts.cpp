#include "display/fieldfonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

constexpr int smallestLabelPixelSize = 6;

QFont font(const QStringList &families, int pixelSize)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelSize);
    return f;
}

} // namespace

QFont pointLetterFont()
{
    return font({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")}, 11);
}

QFont wallLabelFont(int barThickness)
{
    const QStringList families{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                               QStringLiteral("Serif")};
    // One pixel of the bar stays free below the label.
    for (int size = barThickness; size > smallestLabelPixelSize; --size) {
        const QFont f = font(families, size);
        if (QFontMetrics(f).height() <= barThickness - 1)
            return f;
    }
    return font(families, smallestLabelPixelSize);
}
