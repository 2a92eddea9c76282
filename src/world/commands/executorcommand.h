#pragma once

#include "world/commands/commandcontext.h"

// One command of the executor, ШАГ, ПРЫЖОК or ПОВОРОТ, played as short runs of drawing
// between pauses, so that whoever drives it decides how a pause passes (a real clock,
// a timer, a virtual clock). A blocked ШАГ or ПРЫЖОК turns into the wall crash: forty
// blink pauses, then the wall message.
class ExecutorCommand
{
public:
    enum class Kind : unsigned char { Step, Jump, Turn };

    struct Pause
    {
        enum class Kind : unsigned char {
            Done,   // the command is over
            Wait,   // wait `milliseconds`, then advance again
            Message // show wallCrashMessage(), advance again when it is closed
        };
        Kind kind = Kind::Done;
        int milliseconds = 0;
    };

    ExecutorCommand() = default;
    explicit ExecutorCommand(Kind kind)
        : m_kind(kind)
    {
    }

    // Plays the command up to its next pause. Advancing a finished command does nothing.
    // Waits of no time are pauses only when the context has a line observer to tell them to.
    Pause advance(const CommandContext &context);

    bool hasCrashed() const { return m_crashed; }

private:
    Pause advanceOnce(const CommandContext &context);
    Pause executeStep(const CommandContext &context);
    Pause executeJump(const CommandContext &context);
    Pause moveAhead(const CommandContext &context, bool drawTrace);
    Pause executeTurn(const CommandContext &context);
    Pause reportWallCrash(const CommandContext &context);

    Kind m_kind = Kind::Turn;
    unsigned char m_stage = 0;
    unsigned char m_blinkHalves = 0;
    bool m_crashed = false;
    bool m_done = false;
};
