#include "world/run/virtualrundriver.h"

#include "world/run/interpreter.h"

RunEnd VirtualRunDriver::play(Interpreter &interpreter)
{
    interpreter.setVirtualClock(true);
    interpreter.setLimits(m_limits);
    for (;;) {
        const RunYield yield = interpreter.resume();
        switch (yield.kind) {
        case RunYield::Kind::Wait:
        case RunYield::Kind::ProcessEvents:
        case RunYield::Kind::Message:
        case RunYield::Kind::Paused: break;
        case RunYield::Kind::Finished: return yield.end;
        }
    }
}
