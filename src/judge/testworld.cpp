#include "judge/testworld.h"

#include "tasks/setup/tasksetup.h"
#include "world/model/arrangementworld.h"

World testField(const TaskData &task, const TaskTest &test)
{
    return arrangedWorld(taskWorld(task, test.fieldSize), test.arrangement);
}

World testRunWorld(const TaskData &task, const TaskTest &test)
{
    return withArrangementFixed(testField(task, test));
}
