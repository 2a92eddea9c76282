#include "app/shell/desktopprogram.h"

#include "app/common/modalwindow.h"
#include "app/help/workhelp.h"
#include "app/shell/controlnames.h"
#include "app/shell/replaystart.h"
#include "app/shell/titlewindow.h"
#include "app/work/taskloader.h"
#include "app/work/workmenubar.h"
#include "app/work/workwindow.h"
#include "session/worksession.h"

#include <QDir>

DesktopProgram::DesktopProgram(int layoutUnit)
    : m_layoutUnit(layoutUnit)
{
    m_title = std::make_unique<TitleWindow>([this](const QString &caption) {
        WorkWindow *window = work();
        if (!window)
            return;
        window->setWindowTitle(caption);
        execUntilClosed(window);
    });
    nameControls(*m_title);
}

DesktopProgram::~DesktopProgram()
{
    // Still there when the program ends without the pupil having opened and closed it.
    delete m_work;
}

bool DesktopProgram::openReplay(const ReplayStart &start, QString &error)
{
    WorkWindow *window = work();
    WorkSession &session = window->session();
    const TaskOpening opened = session.openForReplay(start.taskFolder, start.lines);
    if (!opened.isLoaded()) {
        // The checker needs no pattern picture; the window shows one.
        error = opened.error ? taskFileErrorText(start.taskFolder, *opened.error)
                             : QStringLiteral("%1: %2").arg(start.taskFolder, opened.patternReason);
        return false;
    }
    m_tools.taskLoader->showPattern();
    window->workMenu().hideEditingItems();
    window->setWindowTitle(QDir::toNativeSeparators(start.file));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    session.replayTest(start.chosen.test, RunSpeed::Slow, true);
    return true;
}

WorkWindow *DesktopProgram::work() const
{
    if (!m_isWorkBuilt)
        buildWork();
    return m_work;
}

// Building the work window costs about as much as everything else before the title window
// shows (its field picture, fonts and panels), so it waits until the pupil gets there.
void DesktopProgram::buildWork() const
{
    m_isWorkBuilt = true;
    m_work = new WorkWindow(m_layoutUnit);
    m_tools = attachWorkTools(*m_work);
    // The structured editor belongs to the work window and lives as long as it.
    attachEditor(*m_work);
    attachHelp(*m_work);
    nameControls(*m_work);
}
