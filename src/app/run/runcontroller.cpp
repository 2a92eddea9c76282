#include "app/run/runcontroller.h"

#include "app/editing/breakpoints.h"
#include "app/field/changedareacanvas.h"
#include "app/run/callchainpanel.h"
#include "app/run/runtoolbar.h"
#include "app/work/worklayout.h"
#include "app/work/workmenubar.h"
#include "app/work/workwindow.h"
#include "editor/algorithmtext.h"
#include "world/run/interpreter.h"

#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

RunController::RunController(WorkWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("runController"));
    m_waitTimer.setSingleShot(true);
    m_waitTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_waitTimer, &QTimer::timeout, this, &RunController::advance);
    window.setRunHandler([this] { run(); });
    const WorkLayout layout = WorkLayout::compute(window.layoutUnit());
    m_callChainPanel = new CallChainPanel(window.centralWidget());
    // Where the command panel stands, down to the statistics: neither is used while paused.
    m_callChainPanel->setGeometry(layout.commandPanel.left(), layout.commandPanel.top(),
                                  layout.commandPanel.width(),
                                  layout.statistics.top() - window.layoutUnit() - layout.commandPanel.top());
    m_callChainPanel->hide();
    // Under the hints: the bar shows it whenever the pointer is on nothing with a hint.
    m_pauseStatus = new QLabel(window.statusBar());
    m_pauseStatus->setObjectName(QStringLiteral("PauseStatus"));
    window.statusBar()->addWidget(m_pauseStatus, 1);
    m_pauseStatus->hide();
    connect(m_callChainPanel, &CallChainPanel::callRowChosen, this,
            [this](int row) { m_window.algorithm().setCurrentRow(row); });
    RunToolBar *tools = window.runTools();
    connect(tools, &RunToolBar::pauseClicked, this, &RunController::togglePause);
    connect(tools, &RunToolBar::speedChosen, this, &RunController::resumeAt);
    connect(tools, &RunToolBar::stepClicked, this, &RunController::step);
    connect(&window, &WorkWindow::stepKeyPressed, this, &RunController::step);
    connect(&window, &WorkWindow::runToRowRequested, this, &RunController::runTo);
    connect(&window.breakpoints(), &Breakpoints::changed, this, [this] {
        if (m_interpreter)
            applyBreakpoints();
    });
    connect(&window, &WorkWindow::stopAsked, this, &RunController::stopAsked);
}

void RunController::run()
{
    if (m_interpreter)
        return;
    ChangedAreaCanvas canvas(m_window.scene());
    Interpreter interpreter(m_window.algorithm().lines(), m_window.world(), m_window.delays(), &canvas, this);
    QEventLoop loop;
    m_chosenDelays = m_window.delays();
    if (m_stepOnStart) {
        m_stepOnStart = false;
        interpreter.setStepping(true);
    } else if (m_runToRow < 0) {
        // A speed button started this run: "Выполнить до курсора" starts its runs so too.
        for (const RunSpeed speed : {RunSpeed::Slow, RunSpeed::Middle, RunSpeed::Fastest})
            if (DelaySettings::forSpeed(speed) == m_chosenDelays)
                m_lastSpeed = speed;
    }
    m_canvas = &canvas;
    m_interpreter = &interpreter;
    // A run without breakpoints never looks for them.
    if (!m_window.breakpoints().rows().isEmpty() || m_runToRow >= 0)
        applyBreakpoints();
    m_highlightedRow = m_window.algorithm().currentRow();
    m_highlightClock.start();
    m_loop = &loop;
    // The first step comes from the loop too, so that a run ending at once still ends it.
    QMetaObject::invokeMethod(this, &RunController::advance, Qt::QueuedConnection);
    loop.exec();
    m_waitTimer.stop();
    m_runToRow = -1;
    if (m_paused) {
        m_paused = false;
        m_window.runTools()->showPaused(false);
        m_pauseStatus->hide();
        m_callChainPanel->hide();
        emit resumed();
    }
    const RunEnd end = interpreter.end();
    m_loop = nullptr;
    m_interpreter = nullptr;
    m_canvas = nullptr;
    emit runEnded(end);
}

void RunController::advance()
{
    if (!m_interpreter)
        return;
    m_sliceClock.start();
    for (;;) {
        // The stop button sets the window's flag; the run looks at it only where it tests for a stop.
        if (m_window.stopRequested())
            m_interpreter->requestStop();
        const RunYield yield = m_interpreter->resume();
        switch (yield.kind) {
        case RunYield::Kind::Wait:
            showHighlight();
            m_waitTimer.start(yield.milliseconds);
            return;
        case RunYield::Kind::ProcessEvents:
            if (m_highlightClock.hasExpired(highlightInterval))
                showHighlight();
            // A turn of the event loop costs more than a fast line: the run lets the pending
            // events through once per slice, not after every line.
            if (!m_sliceClock.hasExpired(sliceInterval))
                continue;
            QMetaObject::invokeMethod(this, &RunController::advance, Qt::QueuedConnection);
            return;
        case RunYield::Kind::Message:
            showHighlight();
            showMessage();
            continue;
        case RunYield::Kind::Paused: enterPause(); return;
        case RunYield::Kind::Finished:
            showHighlight();
            m_loop->quit();
            return;
        }
    }
}

void RunController::togglePause()
{
    if (!m_interpreter)
        return;
    if (m_paused) {
        goOnAtChosenSpeed();
        return;
    }
    m_interpreter->setStepping(true);
}

void RunController::goOnAtChosenSpeed()
{
    // After single steps, the run goes on at the speed chosen for it.
    m_window.delays() = m_chosenDelays;
    m_interpreter->setDelays(m_chosenDelays);
    m_interpreter->setStepping(false);
    leavePause();
}

void RunController::resumeAt(RunSpeed speed)
{
    m_lastSpeed = speed;
    if (!m_paused)
        return;
    m_chosenDelays = DelaySettings::forSpeed(speed);
    m_window.delays() = m_chosenDelays;
    m_interpreter->setDelays(m_window.delays());
    m_interpreter->setStepping(false);
    leavePause();
}

void RunController::step()
{
    if (!m_interpreter) {
        if (m_window.stage() != WorkStage::Debugging || m_window.isRunning())
            return;
        m_stepOnStart = true;
        m_window.startRun(RunSpeed::Slow);
        return;
    }
    m_interpreter->setStepping(true);
    if (!m_paused)
        return;
    m_window.delays() = DelaySettings::forSpeed(RunSpeed::Slow);
    m_interpreter->setDelays(m_window.delays());
    leavePause();
}

void RunController::runTo(int row)
{
    if (!m_window.breakpoints().canHold(row))
        return;
    if (!m_interpreter) {
        if (m_window.stage() != WorkStage::Debugging || m_window.isRunning())
            return;
        m_runToRow = row;
        m_window.startRun(m_lastSpeed);
        return;
    }
    m_runToRow = row;
    applyBreakpoints();
    if (m_paused)
        goOnAtChosenSpeed();
}

void RunController::applyBreakpoints()
{
    QList<int> rows = m_window.breakpoints().rows();
    if (m_runToRow >= 0)
        rows << m_runToRow;
    m_interpreter->setBreakpoints(rows);
}

void RunController::enterPause()
{
    showHighlight();
    // "Выполнить до курсора" has done its part at the first pause, wherever it came.
    if (m_runToRow >= 0) {
        m_runToRow = -1;
        applyBreakpoints();
    }
    m_paused = true;
    m_window.runTools()->showPaused(true);
    m_pauseStatus->setText(QStringLiteral("Пауза: строка %1").arg(m_highlightedRow + 1));
    m_pauseStatus->show();
    // A hint left in the bar would hide it.
    m_window.statusBar()->clearMessage();
    m_callChainPanel->showRows(callChainRows(m_interpreter->callChain(), m_window.algorithm().lines()));
    m_callChainPanel->show();
    m_callChainPanel->raise();
    // Over the command panel, but not over the points panel the pupil left open: that
    // stays whole, as before the pause.
    if (QWidget *points = m_window.pointsPanel(); points && points->isVisible())
        points->raise();
    emit paused(m_highlightedRow);
}

void RunController::leavePause()
{
    m_paused = false;
    m_window.runTools()->showPaused(false);
    m_pauseStatus->hide();
    m_callChainPanel->hide();
    emit resumed();
    QMetaObject::invokeMethod(this, &RunController::advance, Qt::QueuedConnection);
}

// Paused, the run tests for a stop only when it goes on: it goes on at once to end.
void RunController::stopAsked()
{
    if (m_paused)
        leavePause();
}

void RunController::showMessage()
{
    const RunMessage &message = m_interpreter->message();
    const QMessageBox::Icon icon =
        message.icon == RunMessage::Icon::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, message.caption, message.text, QMessageBox::Ok, &m_window);
    box.exec();
}

void RunController::lineHighlighted(int row)
{
    m_highlightedRow = row;
}

void RunController::showHighlight()
{
    m_window.algorithm().setCurrentRow(m_highlightedRow);
    m_highlightClock.start();
}

void RunController::fieldRefreshed()
{
    const QRect changed = m_canvas->takeChangedArea();
    if (!changed.isEmpty())
        m_window.refreshFieldView(changed);
}

void RunController::workItemEnabledChanged(bool enabled)
{
    m_window.workMenu().setDevelopmentOffered(enabled);
}

void RunController::wallTimersStopped(int count)
{
    const QList<QTimer *> timers = m_window.variableWallTimers();
    for (int k = 0; k < count && k < timers.size(); ++k)
        timers[k]->stop();
}
