#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenuBar;

// An item on a menu bar as a screen reader sees it. The captions of the work menu carry
// blanks that space the items out on the bar; the item's name is its caption without them
// and without the mnemonic mark, and its state says whether the stage offers it.
class MenuBarItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuBarItemAccessible(QMenuBar *bar, QAction *action);

    // The menu bar that shows `action`, if any.
    static QMenuBar *barOf(QAction *action);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_action;
};
