#pragma once

#include "tasks/file/taskfileresult.h"
#include "tasks/file/taskproblem.h"

#include <QList>
#include <QString>

// A check of a task for the jury. The task file is read by the loader's own reader, in
// the mode that goes on after an error and lists every error and warning; what reading
// cannot see is added here and by the checker (the pattern picture, point Б's
// reachability, the reference solution).

// The reading of a task file's text, its problems in the order of the file's lines (at
// one line in the order found, so that the first error is the one loading stops at).
TaskFileResult validateTaskText(const QString &text);

// Problems in the order of their lines; at one line in the order found.
void sortByLine(QList<TaskProblem> &problems);
int errorCount(const QList<TaskProblem> &problems);

// The problems of a task folder: those of its task file and, for a drawing task, a pattern
// picture that is missing or cannot be read. A task file that cannot be found or read at
// all gives one problem without a place, and the folder is not readable.
struct TaskFolderValidation
{
    QString taskFile; // empty when the folder holds none
    TaskFileResult reading;
    QList<TaskProblem> problems;
    bool isReadable = false;
};
TaskFolderValidation validateTaskFolder(const QString &folder);
