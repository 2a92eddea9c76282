#pragma once

#include "world/commands/delaysettings.h"
#include "world/commands/runend.h"
#include "world/commands/runobserver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class CallChainPanel;
class ChangedAreaCanvas;
class QLabel;
class Interpreter;
class QEventLoop;
class WorkWindow;

// Carries out a run of the work window's algorithm when a speed button is clicked: an
// interpreter for that one run, driven from the window's event loop. A wait is a
// single-shot timer, so the window keeps painting and takes the stop click while it
// lasts; where the run lets pending events through, it continues from the event queue
// after them, at most a few milliseconds after it last did so (a turn of the event loop
// per line would cost more than the fastest lines themselves). Messages are modal boxes,
// the highlight is the selected row of the algorithm list, and every refresh of the field
// repaints at once what changed.
//
// The list shows the highlighted line whenever the run pauses (every line waits at the
// slow and middle speeds), before a message and at the end. Without pauses, at the
// fastest speed, it follows at most once per screen frame: a list repaint per line would
// cost many times the field's repaints, and no eye sees lines change faster than that.
// A run may pause before a line (the pause button, "Один шаг", a breakpoint): the list shows the line about to run,
// the field the executor where it stands, the status bar "Пауза: строка N", and the panel
// "Вызовы" (over the command panel, idle in "Отладка") the calls under way; a speed button
// or the pause button again takes the run on, the stop button ends it.
// It belongs to the window and lives as long as the window does.
class RunController : public QObject, private RunObserver
{
    Q_OBJECT

public:
    // The shortest time between two highlights shown without a pause: one screen frame.
    static constexpr int highlightInterval = 16;
    // The longest a run goes on without letting events through (a stop click among them),
    // well under a screen frame.
    static constexpr int sliceInterval = 4;

    explicit RunController(WorkWindow &window);

    bool isRunning() const { return m_interpreter != nullptr; }

    // The pause button: a run under way pauses after its current line; a paused run goes on.
    void togglePause();
    // A speed button during a run: a paused run goes on at that speed.
    void resumeAt(RunSpeed speed);
    // "Один шаг": the run goes on at the slow speed to the next line and pauses there.
    // Without a run, in "Отладка", a run starts paused on its first line.
    void step();

signals:
    void runEnded(RunEnd end);
    // The run holds before `row`, which is highlighted.
    void paused(int row);
    void resumed();

private:
    // "Выполнить до курсора": the run goes on (or, in "Отладка", starts at the speed last
    // chosen) and pauses when it is about to run `row`, or at a breakpoint before that.
    void runTo(int row);
    void run();
    void advance();
    void goOnAtChosenSpeed();
    void enterPause();
    void leavePause();
    void stopAsked();
    void applyBreakpoints();
    void showMessage();
    void showHighlight();

    void lineHighlighted(int row) override;
    void fieldRefreshed() override;
    void workItemEnabledChanged(bool enabled) override;
    void wallTimersStopped(int count) override;

    WorkWindow &m_window;
    QTimer m_waitTimer;
    CallChainPanel *m_callChainPanel = nullptr;
    QLabel *m_pauseStatus = nullptr;
    Interpreter *m_interpreter = nullptr;
    ChangedAreaCanvas *m_canvas = nullptr;
    QEventLoop *m_loop = nullptr;
    int m_highlightedRow = -1;
    bool m_paused = false;
    bool m_stepOnStart = false;
    int m_runToRow = -1;
    RunSpeed m_lastSpeed = RunSpeed::Slow;
    // The delays of the speed the run goes at when it is not stepping.
    DelaySettings m_chosenDelays;
    QElapsedTimer m_highlightClock;
    QElapsedTimer m_sliceClock;
};
