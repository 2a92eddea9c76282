#pragma once

#include <QtGlobal>

// Where the executor stands and where it looks.
// Heading in degrees: 0 right, 90 up, 180 left, 270 down.
struct ExecutorState
{
    qint16 column = 0;
    qint16 row = 0;
    qint16 heading = 0;

    friend bool operator==(const ExecutorState &, const ExecutorState &) = default;
};
