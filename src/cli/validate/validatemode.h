#pragma once

#include "cli/run/checkeroptions.h"

#include <QTextStream>

// shagaika-check --validate: prints every problem of the task folder, one per line as
// "<task file>:<line>:<column>: <problem>"; with a reference, also every pass of it that
// fails; for a task with point Б, every size and arrangement in which Б cannot be reached
// from А at all. Returns 0 when nothing was found, 1 when something was, 2 when the folder,
// the task file or the reference cannot be read.
int runValidateMode(const CheckerOptions &options, QTextStream &out, QTextStream &err);
