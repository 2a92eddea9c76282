#pragma once

#include "session/taskopening.h"

#include <QObject>
#include <QString>

class PatternPanel;
class QWidget;
class WorkMenuBar;
class WorkSession;
struct TaskFileError;

// "Начать" opens the task of the current directory in the work session and tells the
// pupil what went wrong: the pattern picture of a drawing task shows in its panel. A fault
// stops the load where it is found, with its message; what was read before it stays.
// Where the current directory holds no task file, the pupil may choose the task's
// folder: it becomes the current directory and the load goes on from there. A load that
// does not open the task goes back to the stage before "Начать", so it can be tried again.
class TaskLoader : public QObject
{
    Q_OBJECT

public:
    // Messages are boxes over `window`.
    TaskLoader(WorkSession &session, QWidget &window, WorkMenuBar &menu, PatternPanel &patternPanel);

    // True when the whole task was opened.
    bool loadTask();
    // The pattern picture of the task the session opened, and the menu item for it.
    void showPattern();

private:
    bool openTask();
    TaskOpening::Outcome loadFromCurrentDirectory();
    void showError(const TaskFileError &error);

    WorkSession &m_session;
    QWidget &m_window;
    WorkMenuBar &m_menu;
    PatternPanel &m_patternPanel;
    // The folder the task is looked for in, kept for the message when it is gone.
    QString m_folder;
};
