#include "app/work/taskloader.h"

#include "app/field/patternpanel.h"
#include "app/work/taskfolderdialog.h"
#include "app/work/workmenubar.h"
#include "session/worksession.h"
#include "tasks/setup/taskfolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

TaskLoader::TaskLoader(WorkSession &session, QWidget &window, WorkMenuBar &menu, PatternPanel &patternPanel)
    : QObject(&window)
    , m_session(session)
    , m_window(window)
    , m_menu(menu)
    , m_patternPanel(patternPanel)
    , m_folder(QDir::currentPath())
{
    setObjectName(QStringLiteral("taskLoader"));
    // Started in a folder already gone, the program knows it only from the shell.
    if (m_folder.isEmpty())
        m_folder = qEnvironmentVariable("PWD");
}

bool TaskLoader::loadTask()
{
    if (openTask())
        return true;
    m_session.cancelBegin();
    return false;
}

bool TaskLoader::openTask()
{
    for (;;) {
        switch (loadFromCurrentDirectory()) {
        case TaskOpening::Outcome::Loaded: return true;
        case TaskOpening::Outcome::Failed: return false;
        case TaskOpening::Outcome::NoTaskFile: break;
        }
        // Started from a desktop menu, the program is in the home folder, far from any task.
        const QString chosen = chooseTaskFolder(&m_window);
        if (chosen.isEmpty() || !QDir::setCurrent(chosen))
            return false;
    }
}

TaskOpening::Outcome TaskLoader::loadFromCurrentDirectory()
{
    // The system names no current folder once it has been deleted: the pupil is told the
    // one the program was last in.
    const QString current = QDir::currentPath();
    if (!current.isEmpty())
        m_folder = current;
    const QString folder = m_folder;
    if (current.isEmpty() || !QFileInfo(folder).isDir() || !QDir::setCurrent(folder)) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                        QStringLiteral("Не найден путь ") + QDir::toNativeSeparators(folder), QMessageBox::Ok,
                        &m_window);
        box.exec();
        return TaskOpening::Outcome::NoTaskFile;
    }

    const TaskOpening opening = m_session.openTaskFolder(folder);
    if (opening.error) {
        showError(*opening.error);
    } else if (!opening.patternReason.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                        QStringLiteral("Не удаётся прочитать рисунок %1: %2")
                            .arg(TaskFolder::patternFileName(), opening.patternReason),
                        QMessageBox::Ok, &m_window);
        box.exec();
    }
    if (opening.isLoaded())
        showPattern();
    return opening.outcome;
}

void TaskLoader::showPattern()
{
    const bool hasPattern = m_session.task().hasPattern;
    if (hasPattern)
        m_patternPanel.setPicture(m_session.pattern());
    m_patternPanel.setShown(hasPattern);
    m_menu.setPatternOffered(hasPattern);
}

void TaskLoader::showError(const TaskFileError &error)
{
    QString text = error.message;
    if (error.line > 0)
        text += QStringLiteral("\n\n(%1, строка %2)")
                    .arg(TaskFolder::taskFileName(), QString::number(error.line));
    QMessageBox box(QMessageBox::Critical, error.caption, text, QMessageBox::Ok, &m_window);
    box.exec();
}
