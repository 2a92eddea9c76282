#pragma once

#include <QString>
#include <QtGlobal>

// One position of a variable wall. The orientation is kept as read from the task:
// "H" horizontal, "V" vertical; any other text never blocks.
struct WallVariant
{
    QString orientation;
    qint16 column = 0;
    qint16 row = 0;

    bool isHorizontal() const { return orientation == QLatin1String("H"); }
    bool isVertical() const { return orientation == QLatin1String("V"); }

    friend bool operator==(const WallVariant &, const WallVariant &) = default;
};
