#include "cli/jury/report/jurycsv.h"

#include "cli/jury/report/jurytexts.h"
#include "world/run/runeventlog.h"

namespace {

QString csvRow(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    // A cell never breaks a line: a spreadsheet's row is one line of the file.
    for (QString field : fields) {
        field.replace(QLatin1String("\r\n"), QLatin1String(" "));
        field.replace(QLatin1Char('\n'), QLatin1Char(' '));
        field.replace(QLatin1Char('\r'), QLatin1Char(' '));
        quoted.append(csvField(field));
    }
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString juryCsv(const JuryReport &report)
{
    QString csv;
    csv += csvRow({QStringLiteral("task"), report.taskFile, report.taskSha256});
    csv += csvRow({QStringLiteral("reference"), report.referenceFile, report.referenceSha256});
    csv += QStringLiteral("\r\n");
    csv += csvRow({QStringLiteral("file"), QStringLiteral("sha256"), QStringLiteral("verdict"),
                   QStringLiteral("size"), QStringLiteral("arrangement"), QStringLiteral("end"),
                   QStringLiteral("column"), QStringLiteral("row"), QStringLiteral("heading"),
                   QStringLiteral("lines"), QStringLiteral("slow_ms"), QStringLiteral("pass"),
                   QStringLiteral("missing"), QStringLiteral("extra"), QStringLiteral("message")});
    for (const JuryFileResult &file : report.files) {
        if (!file.isRead() || !file.isAlgorithm()) {
            csv += csvRow({file.file,
                           file.sha256,
                           verdictName(file),
                           {},
                           {},
                           {},
                           {},
                           {},
                           {},
                           {},
                           {},
                           {},
                           {},
                           {},
                           file.isRead() ? file.notAlgorithm : file.readError});
            continue;
        }
        for (const JuryPass &pass : file.passes) {
            csv += csvRow({file.file, file.sha256, verdictName(file), QString::number(pass.fieldSize),
                           selectorsText(pass.arrangement), RunEventLog::endName(pass.end),
                           QString::number(pass.executor.column), QString::number(pass.executor.row),
                           QString::number(pass.executor.heading), QString::number(pass.lines),
                           QString::number(pass.slowMs),
                           pass.correct ? QStringLiteral("correct") : QStringLiteral("wrong"),
                           edgeListText(pass.missing), edgeListText(pass.extra), pass.message});
        }
    }
    return csv;
}
