#include "app/field/fieldview.h"

#include <QPaintEvent>
#include <QPainter>

FieldView::FieldView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintImage"));
    // The picture covers the whole view; nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldView::setPicture(const QImage *picture)
{
    m_picture = picture;
    update();
}

void FieldView::refresh()
{
    repaint();
}

void FieldView::refresh(const QRect &changed)
{
    repaint(changed);
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
