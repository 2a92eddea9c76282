#pragma once

#include "cli/jury/report/juryreport.h"
#include "common/filewritefault.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writes the jury's report in the format its extension names (juryReportFormat), whole or
// not at all: an old report of that name stays until the new one is complete. A CSV report
// is two files, the pupils' x.csv and the tests' x-tests.csv, each written so. `pictures`
// are those of the PDF protocol, a list of PNG pictures per file. Returns the message naming
// the file and the reason, empty on success.
QString writeJuryReportFile(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                            const QString &path, FileWriteFault fault = FileWriteFault::None);
