#pragma once

#include <QString>

// A file name as a line of text may show it: every control character is written as an
// escape ("\n", "\r", "\t", otherwise "\xNN"), so that a name holding a line break cannot
// pass for lines of its own in a table, a report or a log. A byte kept from a name that is
// not UTF-8 (see systemfilename.h) is shown as "\xNN" too, and a backslash, except on Windows
// where it separates folders, as "\\".
QString printableName(const QString &name);
