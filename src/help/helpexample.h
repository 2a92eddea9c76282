#pragma once

#include "world/commands/runend.h"
#include "world/model/cellposition.h"
#include "world/model/executorstate.h"
#include "world/model/startposition.h"

#include <QList>
#include <QString>
#include <QStringList>

// A small algorithm that a page of the help shows with the field before and after its run,
// and what the page says the run does. The field is 12 × 12; the pictures show only its
// top left `columns` × `rows` cells.
struct HelpExample
{
    QString name;
    StartPosition start;
    QList<CellPosition> horizontalWalls; // on the lower edge of the cell
    QList<CellPosition> verticalWalls;   // on the right edge of the cell
    // Between "НАЧ" and "КОН", indented as the editor inserts them, and after "КОН".
    QStringList body;
    QStringList procedures;
    int columns = 5;
    int rows = 3;

    // What the page says: where the executor ends, whether the run ends in a crash, how many
    // pieces of trace it draws, and the sentence under the pictures.
    ExecutorState expectedExecutor;
    RunEnd expectedEnd = RunEnd::Complete;
    int expectedTrace = 0;
    QString says;

    // The whole algorithm as the pupil's list holds it.
    QStringList lines() const;
};
