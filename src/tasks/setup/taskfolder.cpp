#include "tasks/setup/taskfolder.h"

#include "common/filebytes.h"
#include "common/systemerror.h"
#include "common/textencoding.h"
#include "tasks/file/taskfileparser.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

// A task file that could not be read: nothing of it is known.
TaskFileResult unread(const TaskFileError &error)
{
    TaskFileResult result;
    result.error = error;
    return result;
}

} // namespace

TaskFolder::TaskFolder(const QString &path)
    : m_path(path)
{
}

QString TaskFolder::findFile(const QString &fileName) const
{
    const QDir dir(m_path);
    const QString exact = dir.filePath(fileName);
    const QFileInfo exactInfo(exact);
    if (exactInfo.isFile())
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    // A folder of that very name is found too, so that reading it says why it cannot be read.
    return exactInfo.exists() ? exact : QString();
}

TaskFileResult TaskFolder::readTask(TaskFileParser::Mode mode) const
{
    const QString filePath = taskFilePath();
    if (filePath.isEmpty()) {
        // A folder that cannot be looked into hides its files: the file may well be there.
        const QFileInfo folder(m_path);
        if (folder.isDir() && !(folder.isReadable() && folder.isExecutable()))
            return unread(TaskFileError::fileNotReadable(
                taskFileName(), QStringLiteral("папка задачи не открывается: ") + systemErrorText(EACCES)));
        return unread(TaskFileError::fileNotFound(taskFileName()));
    }
    const FileBytes read = readFileBytes(filePath, maxReadFileSize);
    if (read.isTooLarge)
        return unread(TaskFileError::fileTooLarge(taskFileName()));
    if (!read.isOk())
        return unread(TaskFileError::fileNotReadable(taskFileName(), read.reason));
    TaskFileResult result = parseTaskFile(decodeText(read.bytes), mode);
    result.bytes = read.bytes;
    if (mode == TaskFileParser::Mode::CollectProblems
        && detectTextEncoding(read.bytes) == TextEncoding::Utf8WithWrongMark)
        result.problems.prepend({1, 1,
                                 QStringLiteral("файл начинается с метки UTF-8, но записан не в UTF-8; "
                                                "он читается как Windows-1251"),
                                 TaskProblem::Severity::Warning});
    return result;
}

std::optional<TaskFileError> TaskFolder::checkPattern(const TaskData &task) const
{
    if (task.hasPattern && patternFilePath().isEmpty())
        return TaskFileError::patternNotFound(patternFileName());
    return std::nullopt;
}
