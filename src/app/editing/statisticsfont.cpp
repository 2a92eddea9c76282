#include "app/editing/statisticsfont.h"

#include "editor/algorithmstatistics.h"

#include <QFontMetrics>

namespace {

constexpr int largestPixelSize = 11;
constexpr int smallestPixelSize = 7;
// The counts shown with a reset list have one digit; room for two more.
constexpr int extraDigits = 2;

int widestRow(const QFont &font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &row : resetStatistics())
        widest = qMax(widest, metrics.horizontalAdvance(row));
    return widest + extraDigits * metrics.horizontalAdvance(QLatin1Char('9'));
}

} // namespace

QFont statisticsFont(int textWidth)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    int pixelSize = largestPixelSize;
    font.setPixelSize(pixelSize);
    while (pixelSize > smallestPixelSize && widestRow(font) > textWidth)
        font.setPixelSize(--pixelSize);
    return font;
}
