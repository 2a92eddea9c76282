#pragma once

#include "cli/jury/juryreport.h"

#include <QImage>
#include <QList>
#include <QString>

// The jury's protocol for printing: the statement, the task and the reference with their
// hashes, the verdict table, every file's hash, and for each file that is not correct its
// failing passes and the picture of the first one (`pictures` holds one picture per file,
// a null one where none is shown). Needs a GUI application for its fonts.
// Returns the error message, empty on success.
QString writeJuryPdf(const JuryReport &report, const QList<QImage> &pictures, const QString &path);
