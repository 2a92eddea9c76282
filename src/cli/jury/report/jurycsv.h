#pragma once

#include "cli/jury/report/juryreport.h"

#include <QString>

// The jury's reports for spreadsheets, two files: one row per pupil's file, and one row per
// test of every file (one row for a file that is no algorithm or cannot be read). The first
// row of each is its header, in the protocol's Russian words, and a row follows it for each
// folder whose files were not judged (the folder as the file, the reason as the error); every
// row then ends with the
// program, the date, the task and the reference with their hashes, the jury's highlight limit
// and the test chosen with --test, so that each file stays one plain table that a spreadsheet
// opens as it is. Fields are separated by report.csvSeparator, rows end with CR LF, and no
// field holds a line break. The rows of a file are made on their own, so that the reports can
// be written as the files are judged; `fileNumber` counts the files from 1. Names are shown as
// the table shows them (printableName), and files with the same bytes by their group's number.
QString juryPupilsCsvHeader(const JuryReport &report);
QString juryPupilsCsvRow(const JuryReport &report, const JuryFileResult &file, qsizetype fileNumber);
QString juryTestsCsvHeader(const JuryReport &report);
QString juryTestsCsvRows(const JuryReport &report, const JuryFileResult &file, qsizetype fileNumber);

// The file of the tests beside the report x.csv: x-tests.csv.
QString juryTestsCsvPath(const QString &reportPath);

// One field. A field that a spreadsheet would take for a formula (it begins with =, +, -, @,
// a tab or a carriage return) gets an apostrophe in front, so that it stays text; a field
// that holds the separator, a comma, a semicolon or a quote is quoted, quotes doubled.
QString csvField(QString text, QChar separator);
