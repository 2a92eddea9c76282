#pragma once

#include "cli/jury/report/juryreport.h"

#include <QStringList>

// The jury's report as a readable table for the terminal or a text file: the task and the
// reference with their hashes, one verdict line per file, then every file's passes.
QStringList juryTable(const JuryReport &report);
