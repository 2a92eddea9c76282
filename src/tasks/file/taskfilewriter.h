#pragma once

#include "tasks/file/taskdata.h"
#include "tasks/file/taskfilelayout.h"

#include <QString>

#include <optional>

// Lays a task out as its file: the header, the statement, "Z", then one section "0" when
// the size menu is off (a single-size task of 12 × 12) or a section per described size in
// ascending order closed by "F". In a section the horizontal walls come first, then the
// vertical ones, eight to a row, then the variable walls. Every field stands in the
// columns the loader reads it from.
TaskFileLayout layOutTaskFile(const TaskData &task);

// Writes the task file in Windows-1251 in one step: the old file stays whole until the new
// one is complete. Returns why it failed (a message for the teacher), or nothing.
std::optional<QString> writeTaskFile(const QString &path, const TaskData &task);
