#pragma once

#include "app/work/worktools.h"

#include <QPointer>

#include <memory>

class TitleWindow;
struct ReplayStart;
class WorkWindow;

// The desktop program's windows wired together: the title window opens, through the
// registration, the work window with its tools and its structured editor. The program
// builds one once the application object exists; the start-up test builds the same.
// The work window is built when it is first needed, not before the title window shows.
class DesktopProgram
{
public:
    // layoutUnit as for the work window; 0 derives it from the screen.
    explicit DesktopProgram(int layoutUnit = 0);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram &) = delete;
    DesktopProgram &operator=(const DesktopProgram &) = delete;

    TitleWindow &title() { return *m_title; }
    // Shows the work window straight away, without the title and the registration, on one
    // test with the algorithm of a file, locked, and the run paused before its first line.
    // False (and the report in `error`) when the task cannot be opened for the window.
    bool openReplay(const ReplayStart &start, QString &error);
    // Built on the first call; null once the pupil has closed the work window, which destroys it.
    WorkWindow *work() const;

private:
    void buildWork() const;

    int m_layoutUnit = 0;
    mutable QPointer<WorkWindow> m_work;
    mutable bool m_isWorkBuilt = false;
    mutable WorkTools m_tools;
    std::unique_ptr<TitleWindow> m_title;
};
