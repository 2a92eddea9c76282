#include "app/common/hint.h"

#include <QAction>
#include <QWidget>

namespace Hint {

QString shortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void apply(QWidget *widget, const QString &hint)
{
    widget->setToolTip(shortPart(hint));
    widget->setStatusTip(longPart(hint));
}

void apply(QAction *action, const QString &hint)
{
    action->setStatusTip(longPart(hint));
}

} // namespace Hint
