#pragma once

#include "tasks/taskdata.h"
#include "tasks/taskfileerror.h"

#include <optional>

// The outcome of reading a task. On failure the task holds what was read before the
// fault (the loader stops there), and error says why.
struct TaskFileResult
{
    TaskData task;
    std::optional<TaskFileError> error;

    bool isOk() const { return !error.has_value(); }
};
