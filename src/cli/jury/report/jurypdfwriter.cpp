#include "cli/jury/report/jurypdfwriter.h"

#include "cli/jury/report/jurypdf.h"

QString JuryPdfWriter::writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                                  QIODevice &device) const
{
    if (!writeJuryPdf(report, pictures, device))
        return QStringLiteral("протокол PDF не получился");
    return {};
}
