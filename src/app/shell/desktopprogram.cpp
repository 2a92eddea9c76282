#include "app/shell/desktopprogram.h"

#include "app/common/modalwindow.h"
#include "app/editing/editorcontroller.h"
#include "app/shell/titlewindow.h"
#include "app/work/worktools.h"
#include "app/work/workwindow.h"

DesktopProgram::DesktopProgram(int layoutUnit)
    : m_work(new WorkWindow(layoutUnit))
{
    const WorkTools tools = attachWorkTools(*m_work);
    m_title = std::make_unique<TitleWindow>([this](const QString &caption) {
        if (!m_work)
            return;
        m_work->setWindowTitle(caption);
        execUntilClosed(m_work);
    });
    // The structured editor belongs to the work window and lives as long as it.
    attachEditor(tools, *new EditorController(*m_work));
}

DesktopProgram::~DesktopProgram()
{
    // Still there when the program ends without the pupil having opened and closed it.
    delete m_work;
}

WorkWindow *DesktopProgram::work() const
{
    return m_work;
}
