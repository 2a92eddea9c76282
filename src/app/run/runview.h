#pragma once

#include "world/commands/runmessage.h"

#include <QObject>

class CallChainPanel;
class QLabel;
class QRect;
class QStatusBar;
class QWidget;
class RunToolBar;
class WorkSession;

// What the pupil sees of a run beyond the field and the highlighted line: its messages as
// modal boxes, and while it is paused the pause button held down, "Пауза: строка N" in the
// status bar and the panel "Вызовы" with the calls under way (a click on a call selects
// its line).
class RunView : public QObject
{
    Q_OBJECT

public:
    // The panel "Вызовы" stands in `callsArea` of `client`; messages are boxes over `window`.
    RunView(WorkSession &session, RunToolBar &tools, QStatusBar &statusBar, QWidget &client,
            const QRect &callsArea, QWidget &window);

private:
    void showPause(int row);
    void hidePause();
    void showMessage(const RunMessage &message);

    WorkSession &m_session;
    RunToolBar &m_tools;
    QStatusBar &m_statusBar;
    QWidget &m_window;
    CallChainPanel *m_callChainPanel = nullptr;
    QLabel *m_pauseStatus = nullptr;
};
