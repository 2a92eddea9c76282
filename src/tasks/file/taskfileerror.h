#pragma once

#include <QString>

// Why a task could not be loaded, as the pupil is told: the message box text and
// caption, and where in the task file the fault lies (1-based line and column; 0 when
// the fault is not inside the file, e.g. a missing file). For a file that ends where a
// line is still needed, the line is the one after the file's last line.
struct TaskFileError
{
    QString message;
    QString caption;
    int line = 0;
    int column = 0;

    // Every text the task loader shows is made here.
    static TaskFileError badTaskFile(int line, int column = 1);
    static TaskFileError notAnInteger(const QString &text, int line, int column);
    static TaskFileError fileNotFound(const QString &fileName);
    static TaskFileError fileNotReadable(const QString &fileName, const QString &reason = {});
    static TaskFileError fileTooLarge(const QString &fileName);
    static TaskFileError patternNotFound(const QString &fileName);

    friend bool operator==(const TaskFileError &, const TaskFileError &) = default;
};
