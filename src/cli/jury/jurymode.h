#pragma once

#include "cli/run/checkeroptions.h"

#include <QTextStream>

// shagaika-check --jury: judges every pupil's file on every size and arrangement the task
// offers, writes the chosen report (and the pictures of failing passes) and returns the
// exit status: 0 every file correct, 1 some file wrong, 2 the task, the reference or some
// file could not be used, or a report or picture could not be written. Pictures and the
// PDF protocol need a GUI application to exist.
int runJuryMode(const CheckerOptions &options, QTextStream &out, QTextStream &err);

// The report format named by the report file's extension: "csv", "json", "pdf" or "txt"
// (also for a file without an extension); empty for any other extension.
QString juryReportFormat(const QString &reportFile);

// Whether the jury's options need pictures (and therefore a GUI application).
bool juryNeedsPictures(const CheckerOptions &options);

// The name of the picture of a file's failing pass: PREFIX-<file stem>-<size>[-<selectors>].png
QString diffPicturePath(const QString &prefix, const QString &file, int fieldSize,
                        const QList<int> &arrangement);
