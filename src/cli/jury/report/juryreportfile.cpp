#include "cli/jury/report/juryreportfile.h"

#include "cli/jury/jurymode.h"
#include "cli/jury/report/jurypdf.h"
#include "cli/jury/report/juryreportstream.h"
#include "cli/jury/report/jurytable.h"
#include "cli/jury/report/jurytexts.h"
#include "common/atomicwrite.h"

#include <QDir>

namespace {

QString writeWhole(const QString &path, const QByteArray &bytes, FileWriteFault fault)
{
    const FileWriteResult written = writeFileAtomically(path, bytes, fault);
    if (!written.isOk())
        return QStringLiteral("Не удаётся записать файл %1 (прежний файл не изменён): %2")
            .arg(QDir::toNativeSeparators(path), written.reason);
    return {};
}

} // namespace

QString writeJuryReportFile(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                            const QString &path, FileWriteFault fault)
{
    const QString format = juryReportFormat(path);
    QByteArray bytes;
    if (format == QLatin1String("pdf")) {
        JuryReportStream stream(report, path, fault);
        if (!writeJuryPdf(report, pictures, stream.device()))
            return QStringLiteral("Не удаётся записать файл %1: протокол PDF не получился")
                .arg(QDir::toNativeSeparators(path));
        return stream.commit();
    } else if (JuryReportStream::streams(path)) {
        JuryReportStream stream(report, path, fault);
        for (const JuryFileResult &file : report.files)
            stream.append(file);
        return stream.commit();
    } else {
        // The file, unlike the terminal, says when and by what it was made.
        const QString made =
            QStringLiteral("Протокол проверки: %1, составлен %2")
                .arg(juryProgramText(), report.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
        bytes = (made + QLatin1Char('\n') + juryTable(report).join(QLatin1Char('\n')) + QLatin1Char('\n'))
                    .toUtf8();
    }
    return writeWhole(path, bytes, fault);
}
