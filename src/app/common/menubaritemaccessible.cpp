#include "app/common/menubaritemaccessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuBarItemAccessible::MenuBarItemAccessible(QMenuBar *bar, QAction *action)
    : m_bar(bar)
    , m_action(action)
{
}

QMenuBar *MenuBarItemAccessible::barOf(QAction *action)
{
    for (QObject *shown : action->associatedObjects()) {
        if (auto *bar = qobject_cast<QMenuBar *>(shown))
            return bar;
    }
    return nullptr;
}

bool MenuBarItemAccessible::isValid() const
{
    return m_bar && m_action;
}

QObject *MenuBarItemAccessible::object() const
{
    return m_action;
}

QWindow *MenuBarItemAccessible::window() const
{
    return m_bar ? m_bar->window()->windowHandle() : nullptr;
}

QAccessibleInterface *MenuBarItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_bar);
}

QAccessibleInterface *MenuBarItemAccessible::child(int index) const
{
    return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(m_action->menu())
                                           : nullptr;
}

int MenuBarItemAccessible::childCount() const
{
    return m_action && m_action->menu() ? 1 : 0;
}

int MenuBarItemAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && childCount() == 1 && child->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface *MenuBarItemAccessible::childAt(int, int) const
{
    return nullptr;
}

QString MenuBarItemAccessible::text(QAccessible::Text t) const
{
    if (!m_action)
        return {};
    switch (t) {
    case QAccessible::Name: {
        // An item shown as a sign ("?") is read by the name it was given.
        const QString given = m_action->property("accessibleName").toString();
        return given.isEmpty() ? m_action->text().remove(QLatin1Char('&')).trimmed() : given;
    }
    case QAccessible::Description: return m_action->statusTip().trimmed();
    case QAccessible::Accelerator: return m_action->shortcut().toString(QKeySequence::NativeText);
    default: return {};
    }
}

void MenuBarItemAccessible::setText(QAccessible::Text, const QString &)
{
}

QRect MenuBarItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect item = m_bar->actionGeometry(m_action);
    return QRect(m_bar->mapToGlobal(item.topLeft()), item.size());
}

QAccessible::Role MenuBarItemAccessible::role() const
{
    return QAccessible::MenuItem;
}

QAccessible::State MenuBarItemAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    s.disabled = !m_action->isEnabled();
    s.invisible = !m_action->isVisible() || !m_bar->isVisible();
    s.focused = m_bar->activeAction() == m_action;
    s.hotTracked = s.focused;
    s.hasPopup = m_action->menu() != nullptr;
    s.checkable = m_action->isCheckable();
    s.checked = m_action->isChecked();
    return s;
}

void *MenuBarItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList MenuBarItemAccessible::actionNames() const
{
    if (!m_action || !m_action->isEnabled())
        return {};
    return {m_action->menu() ? showMenuAction() : pressAction()};
}

void MenuBarItemAccessible::doAction(const QString &actionName)
{
    if (!actionNames().contains(actionName))
        return;
    // Later, from the event loop: the item may open a modal window, and the reader that
    // asked waits for its answer until then.
    if (m_action->menu())
        QMetaObject::invokeMethod(
            m_bar.data(),
            [bar = m_bar, action = m_action] {
                if (bar && action)
                    bar->setActiveAction(action);
            },
            Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(m_action.data(), &QAction::trigger, Qt::QueuedConnection);
}

QStringList MenuBarItemAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (!m_action || !actionNames().contains(actionName) || m_action->shortcut().isEmpty())
        return {};
    return {m_action->shortcut().toString(QKeySequence::NativeText)};
}
