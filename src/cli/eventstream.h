#pragma once

#include "world/runeventlog.h"

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

    void lineHighlighted(int row) override;
    void executorStepped(CellPosition from, CellPosition to) override;
    void executorJumped(CellPosition to) override;
    void executorTurned(qint16 heading) override;
    void executorCrashed() override;
    void waitStarted(int milliseconds) override;
    void messageShown(const RunMessage &message) override;
    void passStarted(const QList<int> &arrangement) override;
    void runFinished(RunEnd end) override;

private:
    static constexpr qsizetype blockLines = 4096;

    void flushIfFull();

    QTextStream &m_out;
};
