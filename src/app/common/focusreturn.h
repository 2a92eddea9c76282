#pragma once

#include <QPointer>

#include <functional>

class QWidget;

// The control that had the keys before a pop-up panel took them. When the panel closes,
// the keys go back there instead of to whatever control follows the panel in the tab order.
class FocusReturn
{
public:
    // Notes the focused control, unless it lies inside the panel.
    void remember(const QWidget &panel);
    // For the panel's hide event: if the focus is inside the panel, it goes back to the
    // noted control when that can still take it, else on with moveOn (the panel's
    // focusNextPrevChild). Where it would still stay inside, no control keeps it: the keys
    // typed next would act on a hidden control nobody sees.
    void release(const QWidget &panel, const std::function<void()> &moveOn);

private:
    QPointer<QWidget> m_before;
};
