#pragma once

#include "cli/jury/report/juryreportwriter.h"

// The CSV report: the pupils' file x.csv and beside it the tests' file x-tests.csv, each
// taking its rows as the files are judged.
class JuryCsvWriter : public JuryReportWriter
{
public:
    QStringList files(const QString &reportFile) const override;
    bool isOwnFile(const QByteArray &start) const override;
    QList<QByteArray> head(const JuryReport &heading) const override;
    QList<QByteArray> rows(const JuryReport &heading, const JuryFileResult &file,
                           qsizetype number) const override;
};
