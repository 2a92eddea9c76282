#pragma once

#include "world/model/world.h"

#include <QList>

// Every arrangement of `wallCount` variable walls in the order a run tries them: one
// selector (1 or 2) per wall, the first wall's changing slowest. One empty arrangement
// when there are no variable walls.
QList<QList<int>> allArrangements(int wallCount);

// The world with its variable walls set to the arrangement, as a pass of a run finds it.
World arrangedWorld(World world, const QList<int> &arrangement);

// The same walls with every present variable wall made a fixed one and no variable walls
// left, so that a run makes exactly one pass on that arrangement. Every wall test answers
// as in the arranged world.
World withArrangementFixed(World world);
