#pragma once

#include "cli/jury/report/juryreport.h"

#include <QByteArray>

// The jury's report as one JSON document (indented, UTF-8):
// {"task": {"file", "sha256", "point_b", "sizes"}, "reference": {"file", "sha256"} or null,
//  "limits": {"highlights_per_pass", "call_depth", "speed"},
//  "files": [{"file", "sha256", "verdict", "error", "passes": [{"size", "arrangement", "end",
//             "correct", "executor": {"column", "row", "heading"}, "lines", "slow_ms",
//             "message", "missing", "extra"}]}],
//  "summary": {"files", "correct", "wrong", "unreadable"}}
// Edges are [column, row, column, row].
QByteArray juryJson(const JuryReport &report);
