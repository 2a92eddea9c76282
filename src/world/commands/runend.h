#pragma once

// How a run (or one pass of it) ended. When several endings meet, the more severe wins:
// Error over Crash over Stopped over Complete.
enum class RunEnd { Complete, Stopped, Crash, Error };

// The more severe of two endings.
constexpr RunEnd severerEnd(RunEnd a, RunEnd b)
{
    return int(a) >= int(b) ? a : b;
}
