#pragma once

#include "tasks/file/taskdata.h"
#include "tasks/file/taskfilelayout.h"
#include "tasks/file/taskproblem.h"

#include <QList>

// A point Б that the executor cannot reach from point А, on some size in some arrangement
// of the variable walls (no algorithm can solve such a task). Each problem stands at the
// point Б field of that size's section in the laid-out file.
QList<TaskProblem> unreachablePointB(const TaskData &task, const TaskFileLayout &layout);
