#pragma once

#include "cli/jury/report/juryreport.h"
#include "cli/jury/report/juryreportstream.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Completes the jury's report that `stream` has open and commits it: the text table or the PDF
// protocol is written whole now, once every file is judged, while the CSV and JSON files have
// taken their rows as the files were judged and only end. `pictures` are those of the PDF
// protocol, a list of PNG pictures per file. An old report of that name stays until the new
// one is complete. Returns the message naming the file and the reason, empty on success.
QString writeJuryReportFile(JuryReportStream &stream, const JuryReport &report,
                            const QList<QList<QByteArray>> &pictures);
