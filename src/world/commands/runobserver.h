#pragma once

#include "world/commands/runend.h"
#include "world/commands/runmessage.h"
#include "world/model/cellposition.h"

#include <QList>
#include <QtGlobal>

// What a run reports as it goes, synchronously and in the order it happens.
// Every notification is optional; a callback may call Interpreter::requestStop().
class RunObserver
{
public:
    virtual ~RunObserver() = default;

    // An observer that follows the lines hears everything. One that only collects what each
    // pass did (its moves, timed waits, messages and end) says no here, and is then spared
    // the notifications made for every line: the highlights, the waits of no time, the field
    // refreshes and the turns.
    virtual bool isFollowingLines() const { return true; }

    // The selected line of the algorithm; -1 removes the selection.
    virtual void lineHighlighted(int row) { Q_UNUSED(row) }
    // The field picture should be shown now.
    virtual void fieldRefreshed() { }
    virtual void executorStepped(CellPosition from, CellPosition to)
    {
        Q_UNUSED(from)
        Q_UNUSED(to)
    }
    virtual void executorJumped(CellPosition to) { Q_UNUSED(to) }
    virtual void executorTurned(qint16 heading) { Q_UNUSED(heading) }
    // A ШАГ or ПРЫЖОК met a wall; the blinking and the message follow.
    virtual void executorCrashed() { }
    // A clock wait begins (also one of 0 ms).
    virtual void waitStarted(int milliseconds) { Q_UNUSED(milliseconds) }
    virtual void messageShown(const RunMessage &message) { Q_UNUSED(message) }
    // The selectors of the variable walls, one per wall (empty without variable walls).
    virtual void passStarted(const QList<int> &arrangement) { Q_UNUSED(arrangement) }
    // executedLines counts the calls of the line executor, nested ones included.
    virtual void passEnded(RunEnd end, qint64 executedLines)
    {
        Q_UNUSED(end)
        Q_UNUSED(executedLines)
    }
    virtual void runFinished(RunEnd end) { Q_UNUSED(end) }
};
