#pragma once

#include "world/model/world.h"

#include <QList>

// The selector (1 or 2) of variable wall `wall` in arrangement `number` (counted from 0) of
// `wallCount` walls: the number's bits, the highest for the first wall.
constexpr int arrangementSelector(int number, int wallCount, int wall)
{
    return ((number >> (wallCount - 1 - wall)) & 1) + 1;
}

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
