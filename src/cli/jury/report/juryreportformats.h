#pragma once

#include "cli/jury/report/juryreportwriter.h"

#include <QString>

#include <memory>

// The report formats, chosen by the report file's extension (its case aside): .txt or none
// the table, .csv, .json and .pdf.

// The format's name: "csv", "json", "pdf" or "txt"; empty for any other extension.
QString juryReportFormat(const QString &reportFile);

// The writer of the report's format; null for any other extension.
std::unique_ptr<JuryReportWriter> juryReportWriter(const QString &reportFile);
