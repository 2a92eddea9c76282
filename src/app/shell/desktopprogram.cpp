#include "app/shell/desktopprogram.h"

#include "app/common/modalwindow.h"
#include "app/shell/controlnames.h"
#include "app/shell/titlewindow.h"
#include "app/work/worktools.h"
#include "app/work/workwindow.h"

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
    attachWorkTools(*m_work);
    // The structured editor belongs to the work window and lives as long as it.
    attachEditor(*m_work);
    nameControls(*m_work);
}
