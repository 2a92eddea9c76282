#pragma once

#include <QString>

class QWidget;
class WorkSession;

// The page F1 opens in the work window: that of a panel floating under the mouse pointer or
// holding the keys (the points, the pattern, the calls, the panels of the editor); else that of
// the selected line's construct while the keys are in the algorithm list or the command panel;
// else that of the control with the keys.
QString workHelpTopic(const WorkSession &session, const QWidget *focus, const QWidget *underPointer);
