#pragma once

#include <QtGlobal>

// A cell of the field; -1 marks an unset value (point Б of a task without one).
struct CellPosition
{
    qint16 column = -1;
    qint16 row = -1;

    friend bool operator==(const CellPosition &, const CellPosition &) = default;
};
