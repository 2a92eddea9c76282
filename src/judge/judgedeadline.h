#pragma once

#include <QDeadlineTimer>

#include <chrono>

// When the work on one file is up. A file is allowed an amount of processor time of the
// thread that judges it, so that a loaded machine gives the same verdict as a quiet one;
// a much later wall-clock guard still ends a file on a machine that stops running it.
// Made on the thread that judges and asked on that thread only.
class JudgeDeadline
{
public:
    // Never up.
    JudgeDeadline() = default;
    JudgeDeadline(QDeadlineTimer::ForeverConstant) { } // NOLINT(google-explicit-constructor)
    // Up when the wall clock reaches `wallClock` (an interactive pass has no processor budget).
    JudgeDeadline(QDeadlineTimer wallClock); // NOLINT(google-explicit-constructor): a wall-only deadline
    // Up after `processorTime` of this thread's own work from now, or at `wallGuard` at the latest.
    static JudgeDeadline forProcessorTime(std::chrono::nanoseconds processorTime,
                                          std::chrono::nanoseconds wallGuard);

    bool hasExpired() const;
    // This thread's processor time so far; monotonic, in nanoseconds.
    static qint64 threadProcessorNanoseconds();

private:
    QDeadlineTimer m_wallClock = QDeadlineTimer::Forever;
    qint64 m_processorEndNs = -1; // -1: no processor budget
};
