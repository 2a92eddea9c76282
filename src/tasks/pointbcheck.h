#pragma once

#include "tasks/taskdata.h"
#include "tasks/taskfilelayout.h"
#include "tasks/taskproblem.h"

#include <QList>

// A point Б that the executor cannot reach from point А, on some size in some arrangement
// of the variable walls (no algorithm can solve such a task). Each problem stands at the
// point Б field of that size's section in the laid-out file.
QList<TaskProblem> unreachablePointB(const TaskData &task, const TaskFileLayout &layout);
