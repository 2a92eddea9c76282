#pragma once

// The pauses of a run, in milliseconds.
enum class RunSpeed { Slow, Middle, Fastest };

struct DelaySettings
{
    int turnDelay = 100;
    int crashBlinkDelay = 100;
    int lineDelay = 500;

    static DelaySettings forSpeed(RunSpeed speed)
    {
        switch (speed) {
        case RunSpeed::Middle: return {30, 100, 10};
        case RunSpeed::Fastest: return {0, 10, 0};
        case RunSpeed::Slow: break;
        }
        return {100, 100, 500};
    }

    friend bool operator==(const DelaySettings &, const DelaySettings &) = default;
};
