#pragma once

#include "world/commands/runend.h"
#include "world/model/executorstate.h"

#include <QList>
#include <QString>

// One pass of a task's reference solution: a field size and an arrangement of its variable
// walls, how the pass ended and where it left the executor.
struct ReferencePass
{
    int fieldSize = 12;
    QList<int> arrangement; // one selector per variable wall, empty without them
    RunEnd end = RunEnd::Complete;
    QString message; // the message that ended a crashed or failed pass
    ExecutorState executor;
    // Ran to its end and, in a task with point Б, stopped on Б.
    bool isCorrect = false;
};
