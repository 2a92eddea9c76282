#pragma once

#include "cli/jury/report/juryreport.h"

#include <QString>

// The jury's report for spreadsheets: two rows naming the task and the reference with
// their hashes, an empty row, then a header and one row per pass of every file (one row
// for a file that could not be read). Fields are quoted where needed (RFC 4180), rows end
// with CR LF.
QString juryCsv(const JuryReport &report);

// One CSV field, quoted when it holds a comma, a quote or a line break.
QString csvField(const QString &text);
