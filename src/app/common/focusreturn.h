#pragma once

#include <QPointer>

class QWidget;

// The control that had the keys before a pop-up panel took them. When the panel closes,
// the keys go back there instead of to whatever control follows the panel in the tab order.
class FocusReturn
{
public:
    // Notes the focused control, unless it lies inside the panel.
    void remember(const QWidget &panel);
    // For the panel's hide event: if the focus is inside the panel, it goes back to the
    // noted control when that can still take it. Returns whether it went back.
    bool giveBack(const QWidget &panel);

private:
    QPointer<QWidget> m_before;
};
