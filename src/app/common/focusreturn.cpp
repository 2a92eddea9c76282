#include "app/common/focusreturn.h"

#include <QApplication>
#include <QWidget>

void FocusReturn::remember(const QWidget &panel)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && !panel.isAncestorOf(focus))
        m_before = focus;
}

bool FocusReturn::giveBack(const QWidget &panel)
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || !panel.isAncestorOf(focus))
        return false;
    QWidget *before = m_before.data();
    if (!before || !before->isVisible() || !before->isEnabled() || before->window() != panel.window())
        return false;
    before->setFocus(Qt::OtherFocusReason);
    return true;
}
