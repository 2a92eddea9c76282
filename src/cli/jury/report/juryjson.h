#pragma once

#include "cli/jury/report/juryreport.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The jury's report as one JSON document (indented, UTF-8), made in three pieces so that it
// can be written as the files are judged: the head, each file's object, and the tail.
// {"program", "made" (ISO 8601, local time),
//  "task": {"file", "sha256", "point_b", "sizes"}, "reference": {"file", "sha256"} or null,
//  "limits": {"highlights_per_pass", "call_depth", "seconds_per_file", "speed"},
//  "test": {"number", "size", "arrangement", "title"} for --test, otherwise null,
//  "unread_folders": [{"folder", "error"}] whose files were not judged,
//  "files": [{"file", "sha256", "identical_to": [files with the same sha256], "other_paths": [other
//             paths of the command line to this very file, judged once], "verdict", "code",
//             "error", "statistics": {"commands", "procedures", "calls", "branches", "loops",
//             "lines"} or null, "passes": [{"test", "code", "size", "arrangement", "end",
//             "correct", "executor": {"column", "row", "heading"}, "lines", "stop_line" (from 1,
//             or null), "slow_ms", "message", "missing", "extra"}]}],
//  "summary": {"files", "correct", "wrong", "not_algorithm", "unreadable"}}
// Edges are [column, row, column, row].

// Everything before the first file, up to and with the opening of "files".
QByteArray juryJsonHead(const JuryReport &report);
// One file's object; `first` for the first file (the others follow a comma).
QByteArray juryJsonFile(const JuryReport &report, const JuryFileResult &file, bool first);

// The closing of "files", the summary and the end of the document. `verdicts` counts the
// files by their verdict's name (verdictName).
QByteArray juryJsonTail(const QHash<QString, int> &verdicts);
