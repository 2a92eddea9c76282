#include "cli/jury/report/jurypdfwriter.h"

#include "cli/jury/report/jurypdf.h"

bool JuryPdfWriter::isOwnFile(const QByteArray &start) const
{
    // The document's creator stands near its start, in UTF-16.
    QByteArray creator;
    for (const char letter : QByteArrayLiteral("shagaika-check"))
        creator.append('\0').append(letter);
    return start.startsWith("%PDF-") && start.contains(creator);
}

QString JuryPdfWriter::writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                                  QIODevice &device) const
{
    if (!writeJuryPdf(report, pictures, device))
        return QStringLiteral("протокол PDF не получился");
    return {};
}
