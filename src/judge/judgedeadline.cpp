#include "judge/judgedeadline.h"

#include <ctime>

JudgeDeadline::JudgeDeadline(QDeadlineTimer wallClock)
    : m_wallClock(wallClock)
{
}

JudgeDeadline JudgeDeadline::forProcessorTime(std::chrono::nanoseconds processorTime,
                                              std::chrono::nanoseconds wallGuard)
{
    JudgeDeadline deadline(QDeadlineTimer(std::chrono::duration_cast<std::chrono::milliseconds>(wallGuard)));
    deadline.m_processorEndNs = threadProcessorNanoseconds() + processorTime.count();
    return deadline;
}

bool JudgeDeadline::hasExpired() const
{
    if (m_wallClock.hasExpired())
        return true;
    return m_processorEndNs >= 0 && threadProcessorNanoseconds() >= m_processorEndNs;
}

qint64 JudgeDeadline::threadProcessorNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
