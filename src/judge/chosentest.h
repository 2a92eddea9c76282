#pragma once

#include "judge/tasktest.h"
#include "tasks/file/taskdata.h"
#include "tasks/file/taskfileerror.h"

#include <QString>

// One test of a task folder, chosen by its number, as the checker and the desktop program
// open it from their command lines: the same checks, the same messages.
struct ChosenTest
{
    TaskData task;
    TaskTest test;
    // Empty on success; otherwise the report for standard error.
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

ChosenTest loadChosenTest(const QString &folder, int testNumber);

// The report of a task folder that does not exist.
QString taskFolderNotFoundText(const QString &folder);

// The report of a task file in the folder that could not be read: its path, with the line
// and column where the fault has one, and the loader's own message.
QString taskFileErrorText(const QString &folder, const TaskFileError &error);
