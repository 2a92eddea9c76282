#include "cli/jury/report/jurytablewriter.h"

#include "cli/jury/report/jurytable.h"
#include "cli/jury/report/jurytexts.h"

#include <QTextStream>

QString JuryTableWriter::writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                                    QIODevice &device) const
{
    Q_UNUSED(pictures)
    QTextStream text(&device);
    // The file, unlike the terminal, says when and by what it was made.
    text << QStringLiteral("Протокол проверки: %1, составлен %2\n")
                .arg(juryProgramText(), report.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
    writeJuryTable(report, text);
    text.flush();
    return {};
}
