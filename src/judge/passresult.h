#pragma once

#include "world/commands/runend.h"
#include "world/model/cellposition.h"
#include "world/model/executorstate.h"

#include <QList>
#include <QtGlobal>

// One ШАГ of a pass: from one cell to the next.
struct TraceSegment
{
    CellPosition from;
    CellPosition to;

    friend bool operator==(const TraceSegment &, const TraceSegment &) = default;
};

// What one pass of a run did.
struct PassResult
{
    QList<int> arrangement; // one selector per variable wall; empty without variable walls
    RunEnd end = RunEnd::Complete;
    qint64 lines = 0;       // calls of the line executor, nested ones included
    qint64 elapsedMs = 0;   // the sum of the pass's clock waits
    ExecutorState executor; // where the pass left the executor
    QList<TraceSegment> trace;

    friend bool operator==(const PassResult &, const PassResult &) = default;
};
