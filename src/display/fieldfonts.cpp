#include "display/fieldfonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

constexpr int smallestLabelPixelSize = 6;
// Below this size smoothed digits turn to grey smudges on the bar; plain pixels stay readable.
constexpr int largestUnsmoothedPixelSize = 11;

QFont font(const QStringList &families, int pixelSize)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelSize);
    if (pixelSize <= largestUnsmoothedPixelSize)
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

QFont pointLetterFont()
{
    return font(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")}, 11);
}

QFont wallLabelFont(int barThickness)
{
    const QStringList families{QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                               QStringLiteral("Serif")};
    // One pixel of the bar stays free below the label.
    for (int size = barThickness; size > smallestLabelPixelSize; --size) {
        const QFont f = font(families, size);
        if (QFontMetrics(f).height() <= barThickness - 1)
            return f;
    }
    return font(families, smallestLabelPixelSize);
}
