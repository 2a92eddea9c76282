#include "app/field/fieldview.h"

#include "display/highcontrast.h"

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
    // What stands on it is its description, which the window keeps up to date.
    setAccessibleName(QStringLiteral("Поле Шагайки"));
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

void FieldView::setHighContrast(bool on)
{
    m_highContrast = on;
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
    // The picture may be finer than the screen's pixels (its device pixel ratio).
    const qreal ratio = m_picture->devicePixelRatio();
    const QRect shown(QPoint(0, 0), m_picture->deviceIndependentSize().toSize());
    const QRect part = area & shown;
    const QRectF source(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != devicePixelRatioF());
    if (m_highContrast)
        painter.drawImage(part, HighContrast::recoloured(*m_picture, source.toRect()));
    else
        painter.drawImage(QRectF(part), *m_picture, source);
    if (shown.contains(area))
        return;
    // Whatever the picture does not cover (it is never larger than the view).
    const QRegion rest = QRegion(area).subtracted(shown);
    for (const QRect &r : rest)
        painter.fillRect(r, palette().color(QPalette::Window));
}
