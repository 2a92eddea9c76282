#pragma once

#include "cli/jury/report/juryreport.h"

#include <QByteArray>

// The jury's report as one JSON document (indented, UTF-8):
// {"program", "made" (ISO 8601, local time),
//  "task": {"file", "sha256", "point_b", "sizes"}, "reference": {"file", "sha256"} or null,
//  "limits": {"highlights_per_pass", "call_depth", "seconds_per_file", "speed"},
//  "files": [{"file", "sha256", "identical_to": [files with the same sha256], "verdict", "code",
//             "error", "statistics": {"commands", "procedures", "calls", "branches", "loops",
//             "lines"} or null, "passes": [{"test", "code", "size", "arrangement", "end",
//             "correct", "executor": {"column", "row", "heading"}, "lines", "stop_line" (from 1,
//             or null), "slow_ms", "message", "missing", "extra"}]}],
//  "summary": {"files", "correct", "wrong", "not_algorithm", "unreadable"}}
// Edges are [column, row, column, row].
QByteArray juryJson(const JuryReport &report);
