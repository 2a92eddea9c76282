#include "cli/jury/report/juryreportfile.h"

#include "cli/jury/report/juryreportstream.h"

#include <QDir>

QString writeJuryReportFile(JuryReportStream &stream, const JuryReport &report,
                            const QList<QList<QByteArray>> &pictures)
{
    if (const QString reason = stream.writer().writeWhole(report, pictures, stream.device());
        !reason.isEmpty())
        return QStringLiteral("Не удаётся записать файл %1: %2")
            .arg(QDir::toNativeSeparators(stream.path()), reason);
    return stream.commit();
}
