#pragma once

#include "tasks/file/taskdata.h"

#include <QList>
#include <QString>

// One test of a task: a pass at one field size and one arrangement of that size's variable
// walls. Tests are numbered from 1 over the sizes the task offers, ascending, and each
// size's arrangements in the order a run tries them; every report uses these numbers.
struct TaskTest
{
    int number = 0;
    int fieldSize = 12;
    QList<int> arrangement; // empty without variable walls
};

// Every test of the task, in number order.
QList<TaskTest> taskTests(const TaskData &task);

// Why test `number` cannot be chosen among `count` tests.
QString testOutOfRangeText(int number, int count);
