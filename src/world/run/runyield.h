#pragma once

#include "world/commands/runend.h"

// Why the interpreter handed control back to whoever drives it.
struct RunYield
{
    enum class Kind {
        Wait,          // sleep `milliseconds` (no events delivered), then resume
        Message,       // show Interpreter::message() modally, resume when it is closed
        ProcessEvents, // deliver the pending window events (a stop click among them), then resume
        Paused,        // the line about to run is highlighted; resume when the pupil goes on
        Finished       // the run is over with `end`; resuming does nothing more
    };

    Kind kind = Kind::Finished;
    int milliseconds = 0;
    RunEnd end = RunEnd::Complete;
};
