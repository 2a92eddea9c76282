#include "cli/jury/report/juryreportfile.h"

#include "cli/jury/jurymode.h"
#include "cli/jury/report/jurypdf.h"
#include "cli/jury/report/juryreportstream.h"
#include "cli/jury/report/jurytable.h"
#include "cli/jury/report/jurytexts.h"

#include <QDir>
#include <QTextStream>

QString writeJuryReportFile(JuryReportStream &stream, const JuryReport &report,
                            const QList<QList<QByteArray>> &pictures)
{
    const QString format = juryReportFormat(stream.path());
    if (format == QLatin1String("pdf")) {
        if (!writeJuryPdf(report, pictures, stream.device()))
            return QStringLiteral("Не удаётся записать файл %1: протокол PDF не получился")
                .arg(QDir::toNativeSeparators(stream.path()));
    } else if (format == QLatin1String("txt")) {
        QTextStream text(&stream.device());
        // The file, unlike the terminal, says when and by what it was made.
        text << QStringLiteral("Протокол проверки: %1, составлен %2\n")
                    .arg(juryProgramText(), report.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
        writeJuryTable(report, text);
        text.flush();
    }
    return stream.commit();
}
