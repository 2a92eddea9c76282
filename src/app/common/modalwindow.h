#pragma once

class QWidget;

// Shows a window modally and returns once the pupil has closed it. The window is
// destroyed on closing; the caller must not touch it afterwards.
void execUntilClosed(QWidget *window);
