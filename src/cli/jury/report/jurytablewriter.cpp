#include "cli/jury/report/jurytablewriter.h"

#include "cli/jury/report/jurytable.h"
#include "cli/jury/report/jurytexts.h"

#include <QTextStream>

namespace {

QString heading(const QString &program, const QString &madeAt)
{
    return QStringLiteral("Протокол проверки: %1, составлен %2\n").arg(program, madeAt);
}

} // namespace

bool JuryTableWriter::isOwnFile(const QByteArray &start) const
{
    // Any version of the program, any time.
    return start.startsWith(heading(juryProgramText(), QString()).section(QLatin1Char(' '), 0, 2).toUtf8());
}

QString JuryTableWriter::writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                                    QIODevice &device) const
{
    Q_UNUSED(pictures)
    QTextStream text(&device);
    // The file, unlike the terminal, says when and by what it was made.
    text << heading(juryProgramText(), report.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
    writeJuryTable(report, text);
    text.flush();
    return {};
}
