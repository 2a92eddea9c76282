#pragma once

#include "world/model/wallvariant.h"

// A wall with two alternative positions; the run tries both.
struct VariableWall
{
    WallVariant variant1;
    WallVariant variant2;

    // variant is 1 or 2.
    const WallVariant &variant(int variant) const { return variant == 2 ? variant2 : variant1; }

    friend bool operator==(const VariableWall &, const VariableWall &) = default;
};
