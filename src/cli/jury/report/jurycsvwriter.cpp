#include "cli/jury/report/jurycsvwriter.h"

#include "cli/jury/report/jurycsv.h"

namespace {

// The mark makes spreadsheets read UTF-8.
constexpr char utf8Mark[] = "\xEF\xBB\xBF";

} // namespace

QStringList JuryCsvWriter::files(const QString &reportFile) const
{
    return {juryTestsCsvPath(reportFile), reportFile};
}

bool JuryCsvWriter::isOwnFile(const QByteArray &start) const
{
    // Both files begin with the same two columns, with either separator.
    for (const char separator : {';', ','}) {
        if (start.startsWith(QByteArray(utf8Mark)
                             + QStringLiteral("№%1Файл%1").arg(QLatin1Char(separator)).toUtf8()))
            return true;
    }
    return false;
}

QList<QByteArray> JuryCsvWriter::head(const JuryReport &heading) const
{
    return {QByteArray(utf8Mark) + juryTestsCsvHeader(heading).toUtf8(),
            QByteArray(utf8Mark) + juryPupilsCsvHeader(heading).toUtf8()};
}

QList<QByteArray> JuryCsvWriter::rows(const JuryReport &heading, const JuryFileResult &file,
                                      qsizetype number) const
{
    return {juryTestsCsvRows(heading, file, number).toUtf8(),
            juryPupilsCsvRow(heading, file, number).toUtf8()};
}
