#include "cli/jury/report/jurytable.h"

#include "cli/jury/report/jurytexts.h"
#include "cli/run/output/alignedrows.h"
#include "common/printablename.h"

namespace {

// The text with its lines numbered from 1, as the protocol refers to them.
QStringList numberedText(const QStringList &text)
{
    QStringList lines;
    const int width = int(QString::number(text.size()).size());
    for (qsizetype i = 0; i < text.size(); ++i)
        lines.append(QStringLiteral("  %1  %2").arg(i + 1, width).arg(text.at(i)));
    return lines;
}

QStringList fileDetails(const JuryReport &report, qsizetype index)
{
    const JuryFileResult &file = report.files.at(index);
    QStringList lines;
    lines.append(QStringLiteral("%1 — %2").arg(printableName(file.file), verdictText(file)));
    if (!file.sha256.isEmpty())
        lines.append(QStringLiteral("  SHA-256 %1").arg(file.sha256));
    if (!file.identicalTo.isEmpty())
        lines.append(QStringLiteral("  ") + identicalText(file.identicalTo));
    if (!file.otherPaths.isEmpty())
        lines.append(QStringLiteral("  ") + otherPathsText(file.otherPaths));
    if (!file.isRead()) {
        lines.append(QStringLiteral("  ") + file.readError);
        return lines;
    }
    if (!file.isAlgorithm()) {
        lines.append(QStringLiteral("  ") + file.notAlgorithm);
        return lines;
    }
    lines.append(QStringLiteral("  Статистика: ") + statisticsText(file.counts));
    if (report.isPupilProtocol && !file.text.isEmpty()) {
        lines.append(QStringLiteral("  Текст алгоритма:"));
        lines.append(numberedText(file.text));
    }
    const bool pointB = report.task.hasPointB;
    QList<QStringList> rows{{QStringLiteral("тест"), QStringLiteral("поле"), QStringLiteral("расположение"),
                             QStringLiteral("исход"), QStringLiteral("строка"), QStringLiteral("конец"),
                             QStringLiteral("строк"), QStringLiteral("время"),
                             pointB ? QStringLiteral("в точке Б") : QStringLiteral("нет/лишние"),
                             QStringLiteral("вердикт")}};
    QList<int> detailAfter; // rows followed by the edges they lack or add
    for (const TestPass &pass : file.passes) {
        QString target;
        if (pointB) {
            const CellPosition b = report.task.size(pass.fieldSize).pointB;
            target = pass.executor.column == b.column && pass.executor.row == b.row ? QStringLiteral("да")
                                                                                    : QStringLiteral("нет");
        } else {
            target = QStringLiteral("%1/%2").arg(pass.missing.size()).arg(pass.extra.size());
        }
        const int stopLine = stopLineNumber(pass);
        rows.append({QString::number(pass.number), QString::number(pass.fieldSize),
                     arrangementText(pass.arrangement), outcomeText(pass),
                     stopLine > 0 ? QString::number(stopLine) : QStringLiteral("—"),
                     executorText(pass.executor), QString::number(pass.lines), slowTimeText(pass.slowMs),
                     target, passCode(pass) + QLatin1Char(' ') + passCodeWord(pass)});
    }
    const QStringList aligned = alignedRows(rows, QStringLiteral("  "));
    lines.append(aligned.first());
    for (qsizetype i = 0; i < file.passes.size(); ++i) {
        lines.append(aligned.at(i + 1));
        const TestPass &pass = file.passes.at(i);
        if (!pass.missing.isEmpty())
            lines.append(QStringLiteral("      нет: %1").arg(edgeListText(pass.missing)));
        if (!pass.extra.isEmpty())
            lines.append(QStringLiteral("      лишние: %1").arg(edgeListText(pass.extra)));
        if (const QString replay = replayCommand(report.taskFolder, file.file, pass); !replay.isEmpty())
            lines.append(QStringLiteral("      повторить: %1").arg(printableName(replay)));
    }
    return lines;
}

} // namespace

void writeJuryTable(const JuryReport &report, QTextStream &out)
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
    if (report.chosenTest)
        lines.append(chosenTestText(*report.chosenTest));
    lines.append(QString());

    QList<QStringList> rows{{QStringLiteral("файл"), QStringLiteral("вердикт"),
                             QStringLiteral("верных проходов"), QStringLiteral("первая ошибка")}};
    for (const JuryFileResult &file : report.files) {
        const TestPass *failure = file.firstFailure();
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
    for (const UnreadFolder &folder : report.unreadFolders)
        lines.append(unreadFolderText(folder));
    for (const QString &line : std::as_const(lines))
        out << line << '\n';

    for (qsizetype i = 0; i < report.files.size(); ++i) {
        out << '\n';
        for (const QString &line : fileDetails(report, i))
            out << line << '\n';
    }
    out << '\n' << verdictTotalsText(report.files) << '\n';
}
