#pragma once

#include "cli/jury/report/juryreport.h"

#include <QTextStream>

// The jury's report as a readable table for the terminal or a text file: the task and the
// reference with their hashes, one verdict line per file, then every file's passes. Written
// line by line, each file's details made only when they are written, so that the table of a
// thousand files never stands whole in memory.
void writeJuryTable(const JuryReport &report, QTextStream &out);
