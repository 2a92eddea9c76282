#pragma once

#include "world/commands/runend.h"
#include "world/commands/runobserver.h"

#include <QString>
#include <QStringList>

// Records a run as the lines of the checker's event log:
// "highlight 4", "wait 500", "step 3 4", "jump 3 4", "turn 90", "crash",
// "arrangement 1 2", "message <text, each line break written as \n>", "end complete".
class RunEventLog : public RunObserver
{
public:
    const QStringList &lines() const { return m_lines; }
    void clear() { m_lines.clear(); }
    // Adds a line of the caller's own (the checker's "run <file>"); every event comes through here too.
    void append(const QString &line)
    {
        m_lines.append(line);
        lineAppended();
    }

    // The word of the log for an ending; a stopped run is "limit".
    static QString endName(RunEnd end);
    void lineHighlighted(int row) override;
    void executorStepped(CellPosition from, CellPosition to) override;
    void executorJumped(CellPosition to) override;
    void executorTurned(qint16 heading) override;
    void executorCrashed() override;
    void waitStarted(int milliseconds) override;
    void messageShown(const RunMessage &message) override;
    void passStarted(const QList<int> &arrangement) override;
    void runFinished(RunEnd end) override;

protected:
    // Called after every line, so that a subclass can pass the lines on as they come.
    virtual void lineAppended() { }

private:
    // A message text with each line break as the two characters \n.
    static QString escapedText(const QString &text);

    QStringList m_lines;
};
