#include "cli/eventstream.h"

#include <QTextStream>

EventStream::EventStream(QTextStream &out)
    : m_out(out)
{
}

EventStream::~EventStream()
{
    flush();
}

void EventStream::flush()
{
    for (const QString &line : lines())
        m_out << line << '\n';
    clear();
}

void EventStream::flushIfFull()
{
    if (lines().size() >= blockLines)
        flush();
}

void EventStream::lineHighlighted(int row)
{
    RunEventLog::lineHighlighted(row);
    flushIfFull();
}

void EventStream::executorStepped(CellPosition from, CellPosition to)
{
    RunEventLog::executorStepped(from, to);
    flushIfFull();
}

void EventStream::executorJumped(CellPosition to)
{
    RunEventLog::executorJumped(to);
    flushIfFull();
}

void EventStream::executorTurned(qint16 heading)
{
    RunEventLog::executorTurned(heading);
    flushIfFull();
}

void EventStream::executorCrashed()
{
    RunEventLog::executorCrashed();
    flushIfFull();
}

void EventStream::waitStarted(int milliseconds)
{
    RunEventLog::waitStarted(milliseconds);
    flushIfFull();
}

void EventStream::messageShown(const RunMessage &message)
{
    RunEventLog::messageShown(message);
    flushIfFull();
}

void EventStream::passStarted(const QList<int> &arrangement)
{
    RunEventLog::passStarted(arrangement);
    flushIfFull();
}

void EventStream::runFinished(RunEnd end)
{
    RunEventLog::runFinished(end);
    flush();
}
