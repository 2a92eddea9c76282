#include "tasks/taskfolder.h"

#include "common/filebytes.h"
#include "common/textencoding.h"
#include "tasks/taskfileparser.h"

#include <QDir>
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
        return {TaskData{}, TaskFileError::fileNotFound(taskFileName()), {}};
    const FileBytes read = readFileBytes(filePath, maxReadFileSize);
    if (read.isTooLarge)
        return {TaskData{}, TaskFileError::fileTooLarge(taskFileName()), {}};
    if (!read.isOk())
        return {TaskData{}, TaskFileError::fileNotReadable(taskFileName(), read.reason), {}};
    TaskFileResult result = parseTaskFile(decodeText(read.bytes));
    result.bytes = read.bytes;
    return result;
}

std::optional<TaskFileError> TaskFolder::checkPattern(const TaskData &task) const
{
    if (task.hasPattern && patternFilePath().isEmpty())
        return TaskFileError::patternNotFound(patternFileName());
    return std::nullopt;
}
