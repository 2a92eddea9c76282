#include "app/work/taskloader.h"

#include "app/field/patternpanel.h"
#include "app/work/taskfolderdialog.h"
#include "app/work/workmenubar.h"
#include "app/work/workwindow.h"
#include "tasks/check/patternpicture.h"
#include "tasks/setup/taskfolder.h"
#include "tasks/setup/tasksetup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

TaskLoader::TaskLoader(WorkWindow &window, PatternPanel &patternPanel)
    : QObject(&window)
    , m_window(window)
    , m_patternPanel(patternPanel)
{
    setObjectName(QStringLiteral("taskLoader"));
    connect(&window, &WorkWindow::taskLoadRequested, this, &TaskLoader::loadTask);
}

bool TaskLoader::loadTask()
{
    if (openTask())
        return true;
    // Nothing to edit or run without a task: only "Начать" again, with what was read on show.
    m_window.applyStage(WorkStage::NotStarted);
    return false;
}

bool TaskLoader::openTask()
{
    for (;;) {
        switch (loadFromCurrentDirectory()) {
        case Outcome::Loaded: return true;
        case Outcome::Failed: return false;
        case Outcome::NoTaskFile: break;
        }
        // Started from a desktop menu, the program is in the home folder, far from any task.
        const QString chosen = chooseTaskFolder(&m_window);
        if (chosen.isEmpty() || !QDir::setCurrent(chosen))
            return false;
    }
}

TaskLoader::Outcome TaskLoader::loadFromCurrentDirectory()
{
    const QString folder = QDir::currentPath();
    if (!QFileInfo(folder).isDir() || !QDir::setCurrent(folder)) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                        QStringLiteral("Не найден путь ") + QDir::toNativeSeparators(folder), QMessageBox::Ok,
                        &m_window);
        box.exec();
        return Outcome::NoTaskFile;
    }

    const TaskFolder taskFolder(folder);
    TaskFileResult read = taskFolder.readTask();
    m_window.task() = read.task;
    applyTaskText();
    if (!read.isOk()) {
        showError(*read.error);
        return taskFolder.taskFilePath().isEmpty() ? Outcome::NoTaskFile : Outcome::Failed;
    }

    if (m_window.task().hasPattern) {
        if (const std::optional<TaskFileError> missing = taskFolder.checkPattern(m_window.task())) {
            showError(*missing);
            return Outcome::Failed;
        }
        if (!loadPattern(taskFolder.patternFilePath()))
            return Outcome::Failed;
    } else {
        m_window.workMenu().setPatternOffered(false);
        m_patternPanel.setShown(false);
    }

    setUpField();
    emit taskLoaded();
    return Outcome::Loaded;
}

void TaskLoader::applyTaskText()
{
    const TaskData &task = m_window.task();
    m_window.showTaskStatement(task.statement);
    m_window.workMenu().setOfferedSizes(task.sizeMenuEnabled, task.sizeItemEnabled);
}

bool TaskLoader::loadPattern(const QString &fileName)
{
    const PatternPicture picture = readPatternPicture(fileName);
    if (!picture.isOk()) {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                        QStringLiteral("Не удаётся прочитать рисунок %1: %2")
                            .arg(TaskFolder::patternFileName(), picture.reason),
                        QMessageBox::Ok, &m_window);
        box.exec();
        return false;
    }
    m_patternPanel.setPicture(picture.image);
    m_patternPanel.setShown(true);
    m_window.workMenu().setPatternOffered(true);
    return true;
}

void TaskLoader::setUpField()
{
    m_window.setFieldSize(TaskData::firstSize);
    setUpTaskField(m_window.task(), m_window.world(), &m_window.scene());
    QStringList unusedNames;
    const QStringList statistics = startAlgorithm(
        m_window.algorithm(), m_procedureNames ? *m_procedureNames : unusedNames, m_window.task().hasPointB);
    m_window.showStatistics(statistics);

    m_window.showVariableWalls();
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
