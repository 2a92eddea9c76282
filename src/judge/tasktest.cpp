#include "judge/tasktest.h"

#include "world/model/arrangementworld.h"

QList<TaskTest> taskTests(const TaskData &task)
{
    QList<TaskTest> tests;
    for (int size : task.offeredSizes()) {
        const int walls = int(task.size(size).walls.variable.size());
        for (const QList<int> &arrangement : allArrangements(walls))
            tests.append({int(tests.size()) + 1, size, arrangement});
    }
    return tests;
}

QString testOutOfRangeText(int number, int count)
{
    if (count == 0)
        return QStringLiteral("--test %1: в задаче нет ни одного теста").arg(number);
    return QStringLiteral("--test %1: такого теста нет, тесты задачи — от 1 до %2").arg(number).arg(count);
}
