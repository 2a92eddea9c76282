#include "app/shell/accessiblefactory.h"

#include "app/common/menubaritemaccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenuBar>

namespace {

QAccessibleInterface *programAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QAction")) {
        auto *action = static_cast<QAction *>(object);
        if (QMenuBar *bar = MenuBarItemAccessible::barOf(action))
            return new MenuBarItemAccessible(bar, action);
        return nullptr;
    }
    if (className == QLatin1String("FieldView") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    QAccessible::installFactory(programAccessible);
}
