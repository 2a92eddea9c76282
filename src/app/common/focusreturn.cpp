#include "app/common/focusreturn.h"

#include <QApplication>
#include <QWidget>

void FocusReturn::remember(const QWidget &panel)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && !panel.isAncestorOf(focus))
        m_before = focus;
}

void FocusReturn::release(const QWidget &panel, const std::function<void()> &moveOn)
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || !panel.isAncestorOf(focus))
        return;
    QWidget *before = m_before.data();
    if (before && before->isVisible() && before->isEnabled() && before->window() == panel.window()) {
        before->setFocus(Qt::OtherFocusReason);
        return;
    }
    moveOn();
    if (QWidget *still = QApplication::focusWidget(); still && panel.isAncestorOf(still))
        still->clearFocus();
}
