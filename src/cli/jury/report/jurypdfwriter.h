#pragma once

#include "cli/jury/report/juryreportwriter.h"

// The PDF protocol, with pictures of the failing passes, written whole at the end: every page
// names the number of pages.
class JuryPdfWriter : public JuryReportWriter
{
public:
    bool isOwnFile(const QByteArray &start) const override;
    bool showsPictures() const override { return true; }
    QString writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                       QIODevice &device) const override;
};
