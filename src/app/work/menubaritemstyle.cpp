#include "app/work/menubaritemstyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

MenuBarItemStyle::MenuBarItemStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

MenuBarItemStyle::ItemColours MenuBarItemStyle::itemColours(const QPalette &palette, bool enabled,
                                                            bool selected)
{
    if (!enabled)
        return {palette.color(QPalette::Active, QPalette::Window),
                palette.color(QPalette::Disabled, QPalette::WindowText)};
    if (selected)
        return {palette.color(QPalette::Active, QPalette::Highlight), Qt::white};
    return {palette.color(QPalette::Active, QPalette::Window),
            palette.color(QPalette::Active, QPalette::WindowText)};
}

QFont MenuBarItemStyle::itemFont(const QFont &base)
{
    QFont font = base;
    font.setPointSize(fontPoints);
    return font;
}

void MenuBarItemStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuBarItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect rect = item->rect;
    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & (State_Selected | State_Sunken));

    painter->save();
    painter->fillRect(rect, item->palette.color(QPalette::Active, QPalette::Window));
    if (!item->icon.isNull()) {
        const QPixmap picture = item->icon.pixmap(QSize(pictureSize, pictureSize), 1.0,
                                                  enabled ? QIcon::Normal : QIcon::Disabled);
        painter->drawPixmap(rect.left(), rect.top() + 2, picture);
    }
    const ItemColours colours = itemColours(item->palette, enabled, selected);
    const QRect textArea = rect.adjusted(pictureSize, 0, 0, 0);
    painter->fillRect(textArea, colours.background);
    painter->setPen(colours.text);
    painter->setFont(itemFont(item->font));
    painter->drawText(QRect(rect.left() + textOffset, rect.top() + 2, rect.width(), rect.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, item->text);
    painter->restore();
}

QSize MenuBarItemStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                         const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuBarItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const QFontMetrics metrics(itemFont(item->font));
    QString text = item->text;
    text.remove(QLatin1Char('&'));
    // The bar is never lower than the picture with its 2-pixel top margin and the same below.
    return {metrics.horizontalAdvance(text) + 24, qMax(metrics.height() + 2, pictureSize + 4)};
}

int MenuBarItemStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    // The items lie edge to edge, as their own rectangles measure them.
    switch (metric) {
    case PM_MenuBarItemSpacing:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
    case PM_MenuBarPanelWidth: return 0;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
