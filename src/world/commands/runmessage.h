#pragma once

#include <QString>

// A modal message box that a run shows and waits on (one OK button).
// Line breaks in the text are '\n'.
struct RunMessage
{
    enum class Icon { Information, Error };

    QString text;
    QString caption;
    Icon icon = Icon::Information;

    friend bool operator==(const RunMessage &, const RunMessage &) = default;
};
