#pragma once

#include "cli/run/fileresult.h"

#include <QStringList>

// The short readable report: a header, one row per file (its name, how its run ended,
// how many passes began, where the last pass left the executor, the lines it executed,
// the time of the whole run on the virtual clock), then a summary of the endings.
QStringList resultTable(const QList<FileResult> &results);
