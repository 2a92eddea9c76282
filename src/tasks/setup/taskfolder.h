#pragma once

#include "tasks/file/taskfileparser.h"
#include "tasks/file/taskfileresult.h"

#include <QString>

#include <optional>

// The folder a task is loaded from, holding "Zerid.txt" and, for a drawing task,
// "zerid.bmp". Names are matched exactly first; a folder copied from a file system
// that ignores letter case may spell them otherwise, so any case is accepted next.
class TaskFolder
{
public:
    static QString taskFileName() { return QStringLiteral("Zerid.txt"); }
    static QString patternFileName() { return QStringLiteral("zerid.bmp"); }

    explicit TaskFolder(const QString &path);

    // Full path of the file, or empty when the folder holds none by that name.
    QString findFile(const QString &fileName) const;
    QString taskFilePath() const { return findFile(taskFileName()); }
    QString patternFilePath() const { return findFile(patternFileName()); }

    // Reads and parses the task file (a regular file of at most maxReadFileSize bytes). A check of the task also warns about a byte-order
    // mark that does not fit the text.
    TaskFileResult readTask(TaskFileParser::Mode mode = TaskFileParser::Mode::StopAtFirstError) const;
    // A drawing task needs its pattern picture beside the task file.
    std::optional<TaskFileError> checkPattern(const TaskData &task) const;

private:
    QString m_path;
};
