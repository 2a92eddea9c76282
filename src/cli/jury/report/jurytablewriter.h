#pragma once

#include "cli/jury/report/juryreportwriter.h"

// The table the terminal shows, written whole at the end, headed by when and by what it was made.
class JuryTableWriter : public JuryReportWriter
{
public:
    bool isOwnFile(const QByteArray &start) const override;
    QString writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                       QIODevice &device) const override;
};
