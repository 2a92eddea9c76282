#include "cli/jury/report/jurytable.h"

#include "cli/jury/report/jurytexts.h"
#include "cli/run/output/alignedrows.h"
#include "common/printablename.h"

namespace {

QStringList fileDetails(const JuryReport &report, const JuryFileResult &file)
{
    QStringList lines;
    lines.append(QStringLiteral("%1 — %2").arg(printableName(file.file), verdictText(file)));
    if (!file.sha256.isEmpty())
        lines.append(QStringLiteral("  SHA-256 %1").arg(file.sha256));
    if (!file.isRead()) {
        lines.append(QStringLiteral("  ") + file.readError);
        return lines;
    }
    if (!file.isAlgorithm()) {
        lines.append(QStringLiteral("  ") + file.notAlgorithm);
        return lines;
    }
    const bool pointB = report.task.hasPointB;
    QList<QStringList> rows{
        {QStringLiteral("тест"), QStringLiteral("поле"), QStringLiteral("расположение"),
         QStringLiteral("исход"), QStringLiteral("конец"), QStringLiteral("строк"), QStringLiteral("время"),
         pointB ? QStringLiteral("в точке Б") : QStringLiteral("нет/лишние"), QStringLiteral("вердикт")}};
    QList<int> detailAfter; // rows followed by the edges they lack or add
    for (const JuryPass &pass : file.passes) {
        QString target;
        if (pointB) {
            const CellPosition b = report.task.size(pass.fieldSize).pointB;
            target = pass.executor.column == b.column && pass.executor.row == b.row ? QStringLiteral("да")
                                                                                    : QStringLiteral("нет");
        } else {
            target = QStringLiteral("%1/%2").arg(pass.missing.size()).arg(pass.extra.size());
        }
        rows.append({QString::number(pass.number), QString::number(pass.fieldSize),
                     arrangementText(pass.arrangement), outcomeText(pass), executorText(pass.executor),
                     QString::number(pass.lines), slowTimeText(pass.slowMs), target,
                     passCode(pass) + QLatin1Char(' ') + passCodeWord(pass)});
    }
    const QStringList aligned = alignedRows(rows, QStringLiteral("  "));
    lines.append(aligned.first());
    for (qsizetype i = 0; i < file.passes.size(); ++i) {
        lines.append(aligned.at(i + 1));
        const JuryPass &pass = file.passes.at(i);
        if (!pass.missing.isEmpty())
            lines.append(QStringLiteral("      нет: %1").arg(edgeListText(pass.missing)));
        if (!pass.extra.isEmpty())
            lines.append(QStringLiteral("      лишние: %1").arg(edgeListText(pass.extra)));
    }
    return lines;
}

} // namespace

QStringList juryTable(const JuryReport &report)
{
    QStringList lines;
    lines.append(QStringLiteral("Задача:  %1").arg(printableName(report.taskFile)));
    lines.append(QStringLiteral("         SHA-256 %1").arg(report.taskSha256));
    if (report.hasReference()) {
        lines.append(QStringLiteral("Эталон:  %1").arg(printableName(report.referenceFile)));
        lines.append(QStringLiteral("         SHA-256 %1").arg(report.referenceSha256));
    }
    lines.append(report.task.hasPointB
                     ? QStringLiteral("Верно: каждый проход доходит до конца и кончается в точке Б.")
                     : QStringLiteral("Верно: каждый проход доходит до конца и рисует те же "
                                      "отрезки, что эталон."));
    lines.append(juryLimitsText(report.highlightLimit, report.timeLimitSeconds));
    lines.append(QString());

    QList<QStringList> rows{{QStringLiteral("файл"), QStringLiteral("вердикт"),
                             QStringLiteral("верных проходов"), QStringLiteral("первая ошибка")}};
    for (const JuryFileResult &file : report.files) {
        const JuryPass *failure = file.firstFailure();
        QString reason;
        if (!file.isRead())
            reason = file.readError;
        else if (!file.isAlgorithm())
            reason = file.notAlgorithm;
        else if (failure)
            reason = failureText(*failure, report.task.hasPointB);
        rows.append({printableName(file.file), verdictText(file),
                     QStringLiteral("%1 из %2").arg(file.correctPassCount()).arg(file.passes.size()),
                     reason});
    }
    lines.append(alignedRows(rows));

    for (const JuryFileResult &file : report.files) {
        lines.append(QString());
        lines.append(fileDetails(report, file));
    }
    lines.append(QString());
    lines.append(verdictTotalsText(report.files));
    return lines;
}
