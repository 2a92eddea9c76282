#pragma once

#include "judge/tasktest.h"
#include "tasks/file/taskdata.h"
#include "world/model/world.h"

// The field of a test as the desktop shows it: the task's world at the test's size with
// the variable walls set to its arrangement.
World testField(const TaskData &task, const TaskTest &test);

// The world a pass of the test runs in: the same walls, those of the arrangement made
// fixed ones, so that a run makes exactly that one pass.
World testRunWorld(const TaskData &task, const TaskTest &test);
