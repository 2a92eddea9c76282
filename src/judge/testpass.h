#pragma once

#include "judge/celledge.h"
#include "judge/passresult.h"
#include "world/commands/runend.h"
#include "world/model/executorstate.h"

#include <QList>
#include <QString>

// One pass of an algorithm on one test of a task (a field size and an arrangement of the
// variable walls): how it ran and, once judged, its verdict.
struct TestPass
{
    int number = 0; // the test's number, from 1, the same in every report
    int fieldSize = 12;
    QList<int> arrangement; // empty without variable walls
    RunEnd end = RunEnd::Complete;
    QString message;        // the message that ended a crashed or failed pass
    qint64 lines = 0;       // lines executed, nested ones included
    int stopRow = -1;       // the text's line highlighted when the pass ended, from 0; -1: none
    qint64 slowMs = 0;      // the pass's waits at the slow speed
    ExecutorState executor; // where the pass left the executor (at a crash: before the wall)
    QList<TraceSegment> trace;
    // Drawing tasks: the reference's edges this pass lacks, and those it has beyond them.
    QList<CellEdge> missing;
    QList<CellEdge> extra;
    bool isOutOfTime = false; // stopped (or never started) because the file's time was up
    bool isCorrect = false;
};
