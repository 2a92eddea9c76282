#include "world/run/virtualrundriver.h"

#include "world/run/interpreter.h"

RunEnd VirtualRunDriver::play(Interpreter &interpreter)
{
    m_elapsed = 0;
    m_messages = 0;
    m_pauses = 0;
    for (;;) {
        const RunYield yield = interpreter.resume();
        // The run tests for a stop only right after it has let events through, so asking
        // here, at every hand-back, takes effect exactly where the stop button's click would.
        if (m_highlightLimit > 0 && interpreter.passHighlightCount() >= m_highlightLimit)
            interpreter.requestStop();
        switch (yield.kind) {
        case RunYield::Kind::Wait: m_elapsed += yield.milliseconds; break;
        case RunYield::Kind::Message: ++m_messages; break;
        case RunYield::Kind::ProcessEvents: break;
        case RunYield::Kind::Paused:
            ++m_pauses;
            if (m_pauseHandler)
                m_pauseHandler(interpreter);
            break;
        case RunYield::Kind::Finished: return yield.end;
        }
    }
}
