#pragma once

#include "world/commands/runend.h"
#include "world/run/runlimits.h"

#include <QtGlobal>

class Interpreter;

// Plays a whole run at once on a virtual clock: every wait passes at once (the observer
// hears it), every message is "closed" at once, pending events are none, and every pause
// goes on at once. The limits request a stop, as the stop button would, once a pass has made
// that many highlights or steps.
class VirtualRunDriver
{
public:
    // highlightLimit <= 0: no limit; the step limit goes with the highlight limit.
    explicit VirtualRunDriver(qint64 highlightLimit = 0)
        : m_limits(RunLimits::forHighlights(highlightLimit))
    {
    }
    explicit VirtualRunDriver(const RunLimits &limits)
        : m_limits(limits)
    {
    }

    RunEnd play(Interpreter &interpreter);

private:
    RunLimits m_limits;
};
