#pragma once

#include "tasks/file/taskfileerror.h"

#include <QString>

#include <optional>

// How opening a task folder ended, for whoever tells the pupil. What was read before a
// fault stays: the statement and the size menu of a damaged task file are shown.
struct TaskOpening
{
    enum class Outcome {
        Loaded,
        NoTaskFile, // the folder holds no task file: another folder may be chosen
        Failed      // the task file or its pattern picture cannot be used
    };

    Outcome outcome = Outcome::Loaded;
    // The task file's fault, or the missing pattern picture.
    std::optional<TaskFileError> error;
    // Why the pattern picture could not be read (empty when that was not the fault).
    QString patternReason;

    bool isLoaded() const { return outcome == Outcome::Loaded; }
};
