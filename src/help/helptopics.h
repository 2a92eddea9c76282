#pragma once

#include "editor/linekind.h"

#include <QString>

// Which page of the help explains what the pupil is looking at.

// The page of the construct a line of the algorithm belongs to: "branch" for every line of a
// branch, "loop" for a loop's, and so on; the header lines and "НАЧ"/"КОН" lead to the page
// of the algorithm's frame.
QString lineTopic(LineKind kind);

// The page that explains a message the program shows (its text, file names and numbers
// filled in); empty for a text that is no message of the program.
QString messageTopic(const QString &message);
