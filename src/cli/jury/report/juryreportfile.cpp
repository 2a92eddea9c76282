#include "cli/jury/report/juryreportfile.h"

#include "cli/jury/jurymode.h"
#include "cli/jury/report/jurypdf.h"
#include "cli/jury/report/juryreportstream.h"
#include "cli/jury/report/jurytable.h"
#include "cli/jury/report/jurytexts.h"

#include <QDir>
#include <QTextStream>

QString writeJuryReportFile(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                            const QString &path, FileWriteFault fault)
{
    JuryReportStream stream(report, path, fault);
    const QString format = juryReportFormat(path);
    if (format == QLatin1String("pdf")) {
        if (!writeJuryPdf(report, pictures, stream.device()))
            return QStringLiteral("Не удаётся записать файл %1: протокол PDF не получился")
                .arg(QDir::toNativeSeparators(path));
    } else if (JuryReportStream::streams(path)) {
        for (const JuryFileResult &file : report.files)
            stream.append(file);
    } else {
        QTextStream text(&stream.device());
        // The file, unlike the terminal, says when and by what it was made.
        text << QStringLiteral("Протокол проверки: %1, составлен %2\n")
                    .arg(juryProgramText(), report.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
        writeJuryTable(report, text);
        text.flush();
    }
    return stream.commit();
}
