#pragma once

#include "tasks/taskdata.h"
#include "tasks/taskfileerror.h"

#include <QByteArray>

#include <optional>

// The outcome of reading a task. On failure the task holds what was read before the
// fault (the loader stops there), and error says why.
struct TaskFileResult
{
    TaskData task;
    std::optional<TaskFileError> error;
    // The bytes of the task file, exactly as read; empty when it could not be read.
    QByteArray bytes;

    bool isOk() const { return !error.has_value(); }
};
