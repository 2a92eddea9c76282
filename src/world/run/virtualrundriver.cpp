#include "world/run/virtualrundriver.h"

#include "world/run/interpreter.h"

RunEnd VirtualRunDriver::play(Interpreter &interpreter)
{
    m_messages = 0;
    m_pauses = 0;
    interpreter.setVirtualClock(true);
    interpreter.setLimits(m_limits);
    const qint64 clockAtStart = interpreter.virtualElapsed();
    for (;;) {
        const RunYield yield = interpreter.resume();
        switch (yield.kind) {
        case RunYield::Kind::Wait:
        case RunYield::Kind::ProcessEvents: break;
        case RunYield::Kind::Message: ++m_messages; break;
        case RunYield::Kind::Paused:
            ++m_pauses;
            if (m_pauseHandler)
                m_pauseHandler(interpreter);
            break;
        case RunYield::Kind::Finished:
            m_elapsed = interpreter.virtualElapsed() - clockAtStart;
            return yield.end;
        }
    }
}
