#include "editor/algorithmstatistics.h"

#include "editor/linekind.h"

AlgorithmCounts countAlgorithm(const QStringList &lines)
{
    AlgorithmCounts counts;
    for (const QString &line : lines) {
        const LineKind kind = lineKind(line);
        counts.commands += isCommand(kind);
        counts.branches += isBranchHead(kind);
        counts.loops += isLoopHead(kind);
        counts.procedures += kind == LineKind::ProcedureHead;
        counts.calls += kind == LineKind::Call;
        counts.lines += isCounted(kind);
    }
    return counts;
}

namespace {

const QString totalCaption = QStringLiteral(" Всего в алгоритме:");
const QString separator(19, QLatin1Char(' '));

} // namespace

QStringList updateStatistics(const QStringList &lines)
{
    const AlgorithmCounts counts = countAlgorithm(lines);
    return {
        totalCaption,
        separator,
        QStringLiteral("команд     ..............") + QString::number(counts.commands),
        QStringLiteral("процедур   ..............") + QString::number(counts.procedures),
        QStringLiteral("вызовов процедур ") + QString::number(counts.calls),
        QStringLiteral("ветвлений  .............") + QString::number(counts.branches),
        QStringLiteral("циклов      ..............") + QString::number(counts.loops),
        separator,
        QStringLiteral("Итого:  строк   ......") + QString::number(counts.lines),
    };
}

QStringList resetStatistics()
{
    return {
        totalCaption,
        separator,
        QStringLiteral("команд      .............0"),
        QStringLiteral("процедур      ...........0"),
        QStringLiteral("вызовов процедур 0"),
        QStringLiteral("ветвлений    ...........0"),
        QStringLiteral("циклов        ............0"),
        separator,
        QStringLiteral("Итого:  строк   .....5"),
    };
}
