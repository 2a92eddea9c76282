#pragma once

#include "cli/jury/report/juryreport.h"

#include <QImage>
#include <QList>
#include <QString>

// The jury's protocol for printing: the statement, the task and the reference with their
// hashes, the verdict table, every file's hash, and for each file that is not correct its
// failing passes and the picture of the first one (`pictures` holds one PNG picture per
// file, an empty one where none is shown; kept compressed, so that a thousand files' pictures
// take little memory). Needs a GUI application for its fonts.
// The protocol is made in memory, so that the file can be written whole or not at all;
// empty when the document could not be made.
QByteArray juryPdf(const JuryReport &report, const QList<QByteArray> &pictures);
