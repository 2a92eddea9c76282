#pragma once

#include <QObject>
#include <QStringList>

class PatternPanel;
class QWidget;
class WorkWindow;
struct TaskFileError;

// "Начать" opens the task of the current directory in the work window: the statement,
// the size menu, the pattern picture of a drawing task, then the field at 12 × 12, the
// skeleton of a new algorithm and the variable walls with their swap timers. A fault
// stops the load where it is found, with its message; what was read before it stays.
// Where the current directory holds no task file, the pupil may choose the task's
// folder: it becomes the current directory and the load goes on from there. A load that
// does not open the task goes back to the stage before "Начать", so it can be tried again.
class TaskLoader : public QObject
{
    Q_OBJECT

public:
    TaskLoader(WorkWindow &window, PatternPanel &patternPanel);

    // The procedure names of the editor, emptied with every new algorithm.
    void setProcedureNames(QStringList *names) { m_procedureNames = names; }

    // True when the whole task was opened.
    bool loadTask();

signals:
    void taskLoaded();

private:
    enum class Outcome { Loaded, NoTaskFile, Failed };

    bool openTask();
    Outcome loadFromCurrentDirectory();
    void applyTaskText();
    bool loadPattern(const QString &fileName);
    void setUpField();
    void showError(const TaskFileError &error);

    WorkWindow &m_window;
    PatternPanel &m_patternPanel;
    QStringList *m_procedureNames = nullptr;
};
