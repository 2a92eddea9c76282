#include "cli/run/output/resulttable.h"

#include "cli/run/output/alignedrows.h"
#include "common/printablename.h"
#include "world/run/runeventlog.h"

#include <map>

namespace {

QStringList rowOf(const FileResult &result)
{
    qint64 lines = 0;
    qint64 elapsed = 0;
    for (const PassResult &pass : result.passes) {
        lines += pass.lines;
        elapsed += pass.elapsedMs;
    }
    QString executor = QStringLiteral("-");
    if (!result.passes.isEmpty()) {
        const ExecutorState &e = result.passes.last().executor;
        executor = QStringLiteral("%1 %2 %3").arg(e.column).arg(e.row).arg(e.heading);
    }
    return {printableName(result.file),
            RunEventLog::endName(result.end),
            QString::number(result.passes.size()),
            executor,
            QString::number(lines),
            QString::number(elapsed)};
}

} // namespace

QStringList resultTable(const QList<FileResult> &results)
{
    QList<QStringList> rows{{QStringLiteral("file"), QStringLiteral("end"), QStringLiteral("passes"),
                             QStringLiteral("executor"), QStringLiteral("lines"),
                             QStringLiteral("elapsed_ms")}};
    for (const FileResult &result : results)
        rows.append(rowOf(result));

    QStringList table = alignedRows(rows);

    std::map<int, int> counts;
    for (const FileResult &result : results)
        ++counts[int(result.end)];
    QStringList summary;
    for (const auto &[end, count] : counts)
        summary.append(
            QStringLiteral("%1 %2").arg(RunEventLog::endName(RunEnd(end)), QString::number(count)));
    table.append(QStringLiteral("files: %1 (%2)")
                     .arg(QString::number(results.size()), summary.join(QStringLiteral(", "))));
    return table;
}
