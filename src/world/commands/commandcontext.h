#pragma once

#include "world/commands/delaysettings.h"

class FieldCanvas;
class RunObserver;
struct World;

// What an executor command works on: the world it changes, where it draws (none: no
// drawing), whom it tells, and the pauses it makes. `lineObserver` is the observer when it
// follows the lines (RunObserver::isFollowingLines()), otherwise none: only it hears the
// field refreshes, the turns and the waits of no time.
struct CommandContext
{
    World &world;
    FieldCanvas *canvas = nullptr;
    RunObserver *observer = nullptr;
    DelaySettings delays;
    RunObserver *lineObserver = observer;
};
