#pragma once

#include "cli/jury/report/juryreportwriter.h"

// The JSON report: one document whose files are written as they are judged and whose
// summary ends it.
class JuryJsonWriter : public JuryReportWriter
{
public:
    bool isOwnFile(const QByteArray &start) const override;
    QList<QByteArray> head(const JuryReport &heading) const override;
    QList<QByteArray> rows(const JuryReport &heading, const JuryFileResult &file,
                           qsizetype number) const override;
    QByteArray tail(const QHash<QString, int> &verdicts) const override;
};
