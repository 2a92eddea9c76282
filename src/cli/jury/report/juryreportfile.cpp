#include "cli/jury/report/juryreportfile.h"

#include "cli/jury/jurymode.h"
#include "cli/jury/report/jurycsv.h"
#include "cli/jury/report/juryjson.h"
#include "cli/jury/report/jurypdf.h"
#include "cli/jury/report/jurytable.h"
#include "common/atomicwrite.h"

#include <QDir>

QString writeJuryReportFile(const JuryReport &report, const QList<QByteArray> &pictures, const QString &path,
                            FileWriteFault fault)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString format = juryReportFormat(path);
    QByteArray bytes;
    if (format == QLatin1String("pdf")) {
        bytes = juryPdf(report, pictures);
        if (bytes.isEmpty())
            return QStringLiteral("Не удаётся записать файл %1: протокол PDF не получился").arg(shown);
    } else if (format == QLatin1String("csv")) {
        // The mark makes spreadsheets read UTF-8.
        bytes = QByteArray("\xEF\xBB\xBF") + juryCsv(report).toUtf8();
    } else if (format == QLatin1String("json")) {
        bytes = juryJson(report);
    } else {
        bytes = (juryTable(report).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    }
    const FileWriteResult written = writeFileAtomically(path, bytes, fault);
    if (!written.isOk())
        return QStringLiteral("Не удаётся записать файл %1 (прежний файл не изменён): %2")
            .arg(shown, written.reason);
    return {};
}
