#pragma once

#include <QString>

// One problem of a task file, where it lies (1-based line and column; 0 when it belongs
// to no place in the file) and what is wrong, in the words shown to the jury. An error
// stops the program's loading; a warning marks something the program reads without
// complaint but that is probably not what the teacher meant.
struct TaskProblem
{
    enum class Severity { Error, Warning };

    int line = 0;
    int column = 0;
    QString message;
    Severity severity = Severity::Error;

    bool isWarning() const { return severity == Severity::Warning; }

    friend bool operator==(const TaskProblem &, const TaskProblem &) = default;
};
