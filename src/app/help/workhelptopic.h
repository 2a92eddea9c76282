#pragma once

#include <QString>

class QWidget;
class WorkSession;

// The page F1 opens in the work window: that of a panel floating under the mouse pointer
// (the points, the pattern, the calls, the panels of the editor), else that of the control
// with the keys, and for the algorithm list that of the selected line's construct.
QString workHelpTopic(const WorkSession &session, const QWidget *focus, const QWidget *underPointer);
