#pragma once

#include "world/commands/runmessage.h"

#include <QList>

// Every message a run shows, in one place. Line breaks are '\n'.

// A ШАГ or ПРЫЖОК met a wall (caption "Error").
RunMessage wallCrashMessage();
// A pass is over; one selector per variable wall (caption "Information").
RunMessage arrangementMessage(const QList<int> &arrangement);
// The run needed a line after the last one; `line` names the line that is missing.
RunMessage missingLineMessage(const QString &line);
// Procedure calls nested deeper than `limit`.
RunMessage callsTooDeepMessage(int limit);
