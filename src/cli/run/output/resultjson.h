#pragma once

#include "cli/run/fileresult.h"

#include <QString>

// One algorithm file's run as one line of JSON (no line break at the end), keys in a
// fixed order: file, size, speed, end, passes.
QString resultJsonLine(const FileResult &result);

// A JSON string literal, quotes included.
QString jsonString(const QString &text);
