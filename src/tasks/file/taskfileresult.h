#pragma once

#include "tasks/file/taskdata.h"
#include "tasks/file/taskfileerror.h"
#include "tasks/file/taskproblem.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <optional>

// The outcome of reading a task. On failure the task holds what was read before the
// fault (the loader stops there), and error says why.
struct TaskFileResult
{
    TaskData task;
    std::optional<TaskFileError> error;
    // The bytes of the task file, exactly as read; empty when it could not be read.
    QByteArray bytes;
    // What the reading noticed, errors and warnings, in the order of reading; the first
    // error is the one in error. Only a check of the task reads on past it.
    QList<TaskProblem> problems;
    // The line (1-based) of the file's header, 0 when the file has none, and of each size's
    // section header, 0 for a size not described.
    int headerLine = 0;
    std::array<int, 4> sectionLines{0, 0, 0, 0};

    bool isOk() const { return !error.has_value(); }
    int sectionLine(int fieldSize) const
    {
        if (fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize)
            return 0;
        return sectionLines[size_t(fieldSize - TaskData::firstSize)];
    }
};
