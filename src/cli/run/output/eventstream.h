#pragma once

#include "world/run/runeventlog.h"

class QTextStream;

// The event log written out as the run goes, a block at a time, so that a run of
// millions of lines never holds them all in memory.
class EventStream : public RunEventLog
{
public:
    explicit EventStream(QTextStream &out);
    ~EventStream() override;

    // Writes every line not yet written.
    void flush();

protected:
    void lineAppended() override;

private:
    static constexpr qsizetype blockLines = 4096;

    QTextStream &m_out;
};
