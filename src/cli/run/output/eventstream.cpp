#include "cli/run/output/eventstream.h"

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

void EventStream::lineAppended()
{
    if (lines().size() >= blockLines)
        flush();
}
