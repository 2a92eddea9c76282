#include "app/run/runview.h"

#include "app/run/callchainpanel.h"
#include "app/run/runtoolbar.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

RunView::RunView(WorkSession &session, RunToolBar &tools, QStatusBar &statusBar, QWidget &client,
                 const QRect &callsArea, QWidget &window)
    : QObject(&window)
    , m_session(session)
    , m_tools(tools)
    , m_statusBar(statusBar)
    , m_window(window)
{
    setObjectName(QStringLiteral("runView"));
    m_callChainPanel = new CallChainPanel(&client);
    m_callChainPanel->setGeometry(callsArea);
    m_callChainPanel->hide();
    // Under the hints: the bar shows it whenever the pointer is on nothing with a hint.
    m_pauseStatus = new QLabel(&statusBar);
    m_pauseStatus->setObjectName(QStringLiteral("PauseStatus"));
    statusBar.addWidget(m_pauseStatus, 1);
    m_pauseStatus->hide();
    connect(m_callChainPanel, &CallChainPanel::callRowChosen, this,
            [this](int row) { m_session.algorithm().setCurrentRow(row); });
    connect(&session, &WorkSession::paused, this, &RunView::showPause);
    connect(&session, &WorkSession::resumed, this, &RunView::hidePause);
    connect(&session, &WorkSession::messageRaised, this, &RunView::showMessage);
}

void RunView::showPause(int row)
{
    m_tools.showPaused(true);
    m_pauseStatus->setText(QStringLiteral("Пауза: строка %1").arg(row + 1));
    m_pauseStatus->show();
    // A hint left in the bar would hide it.
    m_statusBar.clearMessage();
    m_callChainPanel->showRows(m_session.callChainRows());
    m_callChainPanel->show();
    m_callChainPanel->raise();
}

void RunView::hidePause()
{
    m_tools.showPaused(false);
    m_pauseStatus->hide();
    m_callChainPanel->hide();
}

void RunView::showMessage(const RunMessage &message)
{
    const QMessageBox::Icon icon =
        message.icon == RunMessage::Icon::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, message.caption, message.text, QMessageBox::Ok, &m_window);
    box.exec();
}
