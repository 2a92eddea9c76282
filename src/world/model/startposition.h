#pragma once

#include <QtGlobal>

// Point А: the start cell and heading. -1 in any field stands for 0
// (the points panel switches the start off that way).
struct StartPosition
{
    qint16 column = 0;
    qint16 row = 0;
    qint16 heading = 0;

    friend bool operator==(const StartPosition &, const StartPosition &) = default;
};
