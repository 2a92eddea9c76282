#include "app/field/fieldview.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// Qt's X connection copies every updated rectangle smaller than the window into a buffer of
// its own that keeps the size of the largest one for the window's lifetime; a larger change
// goes out in bands of at most this many pixels, each its own update, so that buffer stays
// small. A move's change (a few squares) is far below it and stays one update.
constexpr int bandPixels = 32 * 1024;

} // namespace

FieldView::FieldView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintImage"));
    // The picture covers the whole view; nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The picture is drawn from the top left corner, and whoever resizes the view refreshes it
    // band by band: a resize itself then marks no more than the uncovered strip for repainting,
    // rather than the whole field as one large update.
    setAttribute(Qt::WA_StaticContents);
}

void FieldView::setPicture(const QImage *picture)
{
    m_picture = picture;
    update();
}

void FieldView::refresh()
{
    refresh(rect());
}

void FieldView::refresh(const QRect &changed)
{
    const QRect area = changed & rect();
    if (area.isEmpty())
        return;
    const int bandRows = qMax(1, bandPixels / area.width());
    for (int top = area.top(); top <= area.bottom(); top += bandRows)
        repaint(area.left(), top, area.width(), qMin(bandRows, area.bottom() + 1 - top));
}

void FieldView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    if (!m_picture || m_picture->isNull()) {
        painter.fillRect(area, palette().color(QPalette::Window));
        return;
    }
    painter.drawImage(area.topLeft(), *m_picture, area);
    if (m_picture->rect().contains(area))
        return;
    // Whatever the picture does not cover (it is never larger than the view).
    const QRegion rest = QRegion(area).subtracted(QRect(QPoint(0, 0), m_picture->size()));
    for (const QRect &r : rest)
        painter.fillRect(r, palette().color(QPalette::Window));
}
