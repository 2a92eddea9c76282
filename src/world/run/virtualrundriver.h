#pragma once

#include "world/commands/runend.h"

#include <QtGlobal>

#include <functional>

class Interpreter;

// Plays a whole run at once on a virtual clock: every wait adds its milliseconds to the
// clock and returns, every message is "closed" at once, pending events are none, and
// every pause goes on at once after the pause handler. A limit on the highlights of a
// pass requests a stop, as the stop button would, once a pass has made that many
// highlights.
class VirtualRunDriver
{
public:
    // highlightLimit <= 0: no limit.
    explicit VirtualRunDriver(qint64 highlightLimit = 0)
        : m_highlightLimit(highlightLimit)
    {
    }

    RunEnd play(Interpreter &interpreter);

    // Called at every pause, before the run goes on; it may set breakpoints, stepping or a stop.
    void setPauseHandler(std::function<void(Interpreter &)> handler) { m_pauseHandler = std::move(handler); }
    int pauseCount() const { return m_pauses; }

    // The sum of all waits of the last play().
    qint64 elapsedMilliseconds() const { return m_elapsed; }
    int messageCount() const { return m_messages; }

private:
    qint64 m_highlightLimit;
    qint64 m_elapsed = 0;
    int m_messages = 0;
    int m_pauses = 0;
    std::function<void(Interpreter &)> m_pauseHandler;
};
