#pragma once

#include "judge/chosentest.h"
#include "tasks/file/taskdata.h"
#include "tasks/file/taskfileerror.h"
#include "world/model/world.h"

#include <QString>

#include <optional>

// A task made ready for runs at one field size: the world exactly as the desktop program
// would run on after opening the task ("Начать") and choosing that size in the size menu.
struct CheckerTask
{
    TaskData task;
    World world;
    // With one test chosen: its number and arrangement; the world then holds that
    // arrangement's walls as fixed ones, so that the run makes that pass only.
    int testNumber = 0;
    QList<int> testArrangement;
};

struct CheckerTaskResult
{
    std::optional<CheckerTask> task;
    // Empty on success; otherwise the report for standard error.
    QString error;

    bool isOk() const { return task.has_value(); }
};

// Reads "Zerid.txt" in the folder (the pattern picture is neither needed nor read) and
// applies the size, which the task must offer.
CheckerTaskResult loadCheckerTask(const QString &folder, int fieldSize);

// The same for one test of the task (numbered as in judge/tasktest.h): its size, and the walls
// of its arrangement.
CheckerTaskResult loadCheckerTest(const QString &folder, int testNumber);
