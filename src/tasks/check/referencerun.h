#pragma once

#include "tasks/check/referencepass.h"
#include "tasks/file/taskdata.h"

#include <QList>
#include <QStringList>

// Runs a reference solution on every field size the task describes and every arrangement
// of that size's variable walls, each arrangement as a run of its own (so that a crash in
// one leaves the others to be tried), with the interpreter the pupil's runs use, on a
// virtual clock. A pass that makes more than highlightLimit highlights is stopped.
class ReferenceRun
{
public:
    static constexpr qint64 highlightLimit = 1000000;
    static constexpr int callDepthLimit = 100000;

    static QList<ReferencePass> runAll(const TaskData &task, const QStringList &lines);
    static ReferencePass runPass(const TaskData &task, const QStringList &lines, int fieldSize,
                                 const QList<int> &arrangement);
};
