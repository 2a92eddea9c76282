#include "app/print/worksheet.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr qreal captionPoints = 13;
constexpr qreal headingPoints = 11;
constexpr qreal textPoints = 10;
// Below this the algorithm goes on in further columns instead.
constexpr qreal smallestPoints = 5;
// The algorithm takes this part of the width; the field the rest.
constexpr qreal algorithmShare = 0.42;

QFont sheetFont(const QPaintDevice &device, qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // Pixels of the device, so that a printer and a picture get the same page.
    font.setPixelSize(qMax(1, qRound(points * device.logicalDpiY() / 72.0)));
    font.setBold(bold);
    return font;
}

// Draws word-wrapped text from the top of area; the height it took.
int drawWrapped(QPainter &painter, const QRect &area, const QString &text)
{
    const QRect used = painter.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return used.height();
}

// The pixel size at which all lines fit the height, at most the one of the text and at
// least the smallest.
int algorithmPixelSize(const QFont &textFont, int smallest, int lineCount, int height)
{
    int pixelSize = textFont.pixelSize();
    QFont font = textFont;
    while (pixelSize > smallest) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).lineSpacing() * lineCount <= height)
            break;
        --pixelSize;
    }
    return pixelSize;
}

// The lines top down, in as many columns side by side as they need.
void drawLines(QPainter &painter, const QRect &area, const QStringList &lines)
{
    const QFontMetrics metrics(painter.font());
    const int perColumn = qMax(1, area.height() / qMax(1, metrics.lineSpacing()));
    const int columns = int((lines.size() + perColumn - 1) / perColumn);
    const int columnWidth = area.width() / qMax(1, columns);
    for (int i = 0; i < lines.size(); ++i) {
        const QRect line(area.left() + (i / perColumn) * columnWidth,
                         area.top() + (i % perColumn) * metrics.lineSpacing(),
                         columnWidth - metrics.averageCharWidth(), metrics.lineSpacing());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(lines[i], Qt::ElideRight, line.width()));
    }
}

} // namespace

void paintWorkSheet(QPainter &painter, const QRect &page, const WorkSheet &sheet)
{
    const QPaintDevice &device = *painter.device();
    const QFont captionFont = sheetFont(device, captionPoints, true);
    const QFont headingFont = sheetFont(device, headingPoints, true);
    const QFont textFont = sheetFont(device, textPoints);
    const int gap = QFontMetrics(textFont).lineSpacing();

    painter.save();
    painter.setClipRect(page);
    painter.setPen(Qt::black);
    int top = page.top();
    if (!sheet.caption.isEmpty()) {
        painter.setFont(captionFont);
        top +=
            drawWrapped(painter, QRect(page.left(), top, page.width(), page.height()), sheet.caption) + gap;
    }
    painter.setFont(headingFont);
    top +=
        drawWrapped(painter, QRect(page.left(), top, page.width(), page.height()), QStringLiteral("Задача"));
    painter.setFont(textFont);
    top += drawWrapped(painter, QRect(page.left(), top, page.width(), page.bottom() - top),
                       sheet.statement.join(QLatin1Char('\n')))
        + gap;

    const int algorithmWidth = qRound(page.width() * algorithmShare);
    const QRect algorithmArea(page.left(), top, algorithmWidth - gap, page.bottom() + 1 - top);
    const QRect fieldArea(page.left() + algorithmWidth, top, page.width() - algorithmWidth,
                          algorithmArea.height());

    painter.setFont(headingFont);
    const int headingHeight = drawWrapped(painter, algorithmArea, QStringLiteral("Алгоритм"));
    const QRect linesArea = algorithmArea.adjusted(0, headingHeight, 0, 0);
    QFont lineFont = textFont;
    lineFont.setPixelSize(algorithmPixelSize(textFont, sheetFont(device, smallestPoints).pixelSize(),
                                             int(sheet.algorithm.size()), linesArea.height()));
    painter.setFont(lineFont);
    drawLines(painter, linesArea, sheet.algorithm);

    if (!sheet.field.isNull() && fieldArea.width() > 0 && fieldArea.height() > 0) {
        const QSize fitted = sheet.field.size().scaled(fieldArea.size(), Qt::KeepAspectRatio);
        const QRect target(fieldArea.topLeft() + QPoint((fieldArea.width() - fitted.width()) / 2, 0), fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, sheet.field);
    }
    painter.restore();
}
