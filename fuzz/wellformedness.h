#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The shape the structured editor keeps for every text it builds from the skeleton:
//   the four header lines, "НАЧ", the main body, "КОН",
//   then procedure descriptions ("ПРОЦЕДУРА name", body, "КОНЕЦ ПРОЦЕДУРЫ") never nested,
//   each name described once, every called name described.
// A body is a sequence of commands, calls, comments, blank lines, branches (head, "ТО",
// body, optionally "ИНАЧЕ" and body, "ВСЁ") and loops (head, "НЦ", body, "КЦ"); heads are
// the exact condition texts. Single body items may also stand between "КОН" and a
// description or after the last one: a line inserted before a procedure head lands there.
//
// Returns a description of the first fault, with its row, or nothing for a sound text.
std::optional<QString> wellFormednessFault(const QStringList &lines);

// The procedure names the editor keeps must be those of the descriptions, in text order.
std::optional<QString> procedureNamesFault(const QStringList &lines, const QStringList &names);
