#pragma once

#include <QString>

// One problem of a task file, where it lies (1-based line and column; 0 when it belongs
// to no place in the file) and what is wrong, in the words shown to the jury.
struct TaskProblem
{
    int line = 0;
    int column = 0;
    QString message;

    friend bool operator==(const TaskProblem &, const TaskProblem &) = default;
};
