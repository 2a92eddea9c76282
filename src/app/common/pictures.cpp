#include "app/common/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace Pictures {

namespace {

constexpr int side = 16;

struct Ink
{
    QColor main;
    QColor second;
    QColor outline;
};

Ink inkFor(bool enabled, QColor main, QColor second)
{
    if (enabled)
        return {main, second, main.darker(170)};
    const QColor grey(150, 150, 150);
    return {grey, QColor(200, 200, 200), QColor(120, 120, 120)};
}

void drawBegin(QPainter &p, const Ink &ink)
{
    // An open book.
    p.setPen(QPen(ink.outline, 1));
    p.setBrush(ink.second);
    p.drawPolygon(QPolygonF{QPointF(1.5, 3.5), QPointF(7.5, 5), QPointF(7.5, 14), QPointF(1.5, 12.5)});
    p.drawPolygon(QPolygonF{QPointF(14.5, 3.5), QPointF(8.5, 5), QPointF(8.5, 14), QPointF(14.5, 12.5)});
    p.setPen(QPen(ink.main, 1));
    for (int y : {7, 9, 11}) {
        p.drawLine(QPointF(3, y), QPointF(6, y + 0.7));
        p.drawLine(QPointF(10, y + 0.7), QPointF(13, y));
    }
}

void drawWork(QPainter &p, const Ink &ink)
{
    // A pencil over a line of text.
    p.setPen(QPen(ink.outline, 1));
    p.setBrush(ink.main);
    p.drawPolygon(QPolygonF{QPointF(4, 12), QPointF(12, 2.5), QPointF(14.5, 4.5), QPointF(6.5, 14)});
    p.setBrush(ink.second);
    p.drawPolygon(QPolygonF{QPointF(4, 12), QPointF(6.5, 14), QPointF(2.5, 15)});
    p.setPen(QPen(ink.outline, 1));
    p.drawLine(QPointF(9, 15), QPointF(15, 15));
}

void drawDebug(QPainter &p, const Ink &ink)
{
    // A play arrow in a circle.
    p.setPen(QPen(ink.outline, 1));
    p.setBrush(ink.second);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(ink.main);
    p.drawPolygon(QPolygonF{QPointF(6, 4.5), QPointF(12, 8), QPointF(6, 11.5)});
}

void drawPoints(QPainter &p, const Ink &ink)
{
    // The two marks А and Б joined by a dotted path.
    p.setPen(QPen(ink.outline, 1, Qt::DotLine));
    p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 4.5));
    p.setPen(QPen(ink.outline, 1));
    p.setBrush(ink.main);
    p.drawEllipse(QRectF(1.5, 8.5, 6, 6));
    p.setBrush(ink.second);
    p.drawEllipse(QRectF(8.5, 1.5, 6, 6));
}

void drawSize(QPainter &p, const Ink &ink)
{
    // A grid with a double arrow on its diagonal.
    p.setPen(QPen(ink.second, 1));
    for (double v : {1.5, 5.5, 9.5, 13.5}) {
        p.drawLine(QPointF(v, 1.5), QPointF(v, 13.5));
        p.drawLine(QPointF(1.5, v), QPointF(13.5, v));
    }
    p.setPen(QPen(ink.main, 2));
    p.drawLine(QPointF(4, 11), QPointF(14, 1.5));
    p.setBrush(ink.main);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{QPointF(15, 1), QPointF(9, 2), QPointF(14, 7)});
}

void drawPattern(QPainter &p, const Ink &ink)
{
    // A framed picture with a drawn path.
    p.setPen(QPen(ink.outline, 1));
    p.setBrush(ink.second);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(QPen(ink.main, 1.5));
    p.drawPolyline(QPolygonF{QPointF(3.5, 11), QPointF(3.5, 5), QPointF(8, 5), QPointF(8, 11),
                             QPointF(12.5, 11), QPointF(12.5, 5)});
}

} // namespace

QPixmap menuPicture(int index)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = index % 2 == 0;
    switch (index / 2) {
    case 0: drawBegin(p, inkFor(enabled, QColor(0, 90, 190), QColor(250, 245, 220))); break;
    case 1: drawWork(p, inkFor(enabled, QColor(230, 150, 0), QColor(245, 210, 160))); break;
    case 2: drawDebug(p, inkFor(enabled, QColor(0, 150, 0), QColor(220, 245, 220))); break;
    case 3: drawPoints(p, inkFor(enabled, QColor(0, 140, 0), QColor(40, 60, 220))); break;
    case 4: drawSize(p, inkFor(enabled, QColor(180, 0, 0), QColor(120, 140, 190))); break;
    case 5: drawPattern(p, inkFor(enabled, QColor(90, 90, 90), QColor(230, 230, 230))); break;
    default: break;
    }
    return pixmap;
}

QIcon menuIcon(int item)
{
    QIcon icon;
    icon.addPixmap(menuPicture(2 * item), QIcon::Normal);
    icon.addPixmap(menuPicture(2 * item + 1), QIcon::Disabled);
    return icon;
}

QIcon runButtonIcon(int index)
{
    QIcon icon;
    for (const bool enabled : {true, false}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor arrow = enabled ? QColor(0, 140, 0) : QColor(160, 160, 160);
        const QColor outline = enabled ? QColor(0, 70, 0) : QColor(120, 120, 120);
        p.setPen(QPen(outline, 1));
        p.setBrush(arrow);
        if (index == 3) {
            p.setPen(QPen(enabled ? QColor(120, 0, 0) : outline, 1));
            p.setBrush(enabled ? QColor(210, 20, 20) : arrow);
            p.drawRect(QRectF(2.5, 2.5, 11, 11));
        } else if (index == 4) {
            // Two upright bars: the run holds still.
            p.setPen(QPen(enabled ? QColor(0, 50, 120) : outline, 1));
            p.setBrush(enabled ? QColor(40, 110, 210) : arrow);
            p.drawRect(QRectF(3.5, 2.5, 3, 11));
            p.drawRect(QRectF(9.5, 2.5, 3, 11));
        } else if (index == 5) {
            // One arrow head up to a bar: one line, then hold.
            p.drawPolygon(QPolygonF{QPointF(2, 2), QPointF(10, 8), QPointF(2, 14)});
            p.setPen(QPen(enabled ? QColor(0, 50, 120) : outline, 1));
            p.setBrush(enabled ? QColor(40, 110, 210) : arrow);
            p.drawRect(QRectF(11.5, 2.5, 2.5, 11));
        } else {
            // One, two or three arrow heads: the more, the faster.
            const int heads = index + 1;
            const double width = 14.0 / heads;
            for (int i = 0; i < heads; ++i) {
                const double x = 1 + i * width;
                p.drawPolygon(QPolygonF{QPointF(x, 2), QPointF(x + width, 8), QPointF(x, 14)});
            }
        }
        p.end();
        icon.addPixmap(pixmap, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}

} // namespace Pictures
