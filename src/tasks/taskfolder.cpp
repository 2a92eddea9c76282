#include "tasks/taskfolder.h"

#include "common/textencoding.h"
#include "tasks/taskfileparser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TaskFolder::TaskFolder(const QString &path)
    : m_path(path)
{
}

QString TaskFolder::findFile(const QString &fileName) const
{
    const QDir dir(m_path);
    const QString exact = dir.filePath(fileName);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

TaskFileResult TaskFolder::readTask() const
{
    const QString filePath = taskFilePath();
    if (filePath.isEmpty())
        return {TaskData{}, TaskFileError::fileNotFound(taskFileName())};
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {TaskData{}, TaskFileError::fileNotReadable(taskFileName())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {TaskData{}, TaskFileError::fileNotReadable(taskFileName())};
    return parseTaskFile(decodeText(bytes));
}

std::optional<TaskFileError> TaskFolder::checkPattern(const TaskData &task) const
{
    if (task.hasPattern && patternFilePath().isEmpty())
        return TaskFileError::patternNotFound(patternFileName());
    return std::nullopt;
}
