#include "cli/jury/jurytexts.h"

#include "cli/jury/juryrunner.h"

QString selectorsText(const QList<int> &arrangement)
{
    QStringList items;
    for (int selector : arrangement)
        items.append(QString::number(selector));
    return items.join(QLatin1Char(' '));
}

QString arrangementText(const QList<int> &arrangement)
{
    return arrangement.isEmpty() ? QStringLiteral("—") : selectorsText(arrangement);
}

QString passPlaceText(const JuryPass &pass)
{
    if (pass.arrangement.isEmpty())
        return QStringLiteral("поле %1").arg(pass.fieldSize);
    return QStringLiteral("поле %1, расположение %2")
        .arg(QString::number(pass.fieldSize), arrangementText(pass.arrangement));
}

QString outcomeText(const JuryPass &pass)
{
    switch (pass.end) {
    case RunEnd::Complete: return QStringLiteral("дошёл до конца");
    case RunEnd::Crash:
        return QStringLiteral("авария в (%1,%2)").arg(pass.executor.column).arg(pass.executor.row);
    case RunEnd::Stopped: return QStringLiteral("прерван по пределу");
    case RunEnd::Error: break;
    }
    QString message = pass.message;
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return message.isEmpty() ? QStringLiteral("ошибка") : QStringLiteral("ошибка: ") + message;
}

QString executorText(const ExecutorState &executor)
{
    return QStringLiteral("(%1,%2) %3°").arg(executor.column).arg(executor.row).arg(executor.heading);
}

QString slowTimeText(qint64 milliseconds)
{
    return QStringLiteral("%1,%2 с").arg(milliseconds / 1000).arg((milliseconds % 1000) / 100);
}

QString failureText(const JuryPass &pass, bool hasPointB)
{
    constexpr qsizetype shownEdges = 4; // one line; the full lists stand in the details
    if (pass.correct)
        return {};
    QStringList reasons;
    if (pass.end != RunEnd::Complete)
        reasons.append(outcomeText(pass));
    if (hasPointB) {
        if (pass.end == RunEnd::Complete)
            reasons.append(QStringLiteral("конец не в точке Б, а в (%1,%2)")
                               .arg(pass.executor.column)
                               .arg(pass.executor.row));
    } else {
        if (!pass.missing.isEmpty())
            reasons.append(QStringLiteral("нет %1").arg(edgeListText(pass.missing, shownEdges)));
        if (!pass.extra.isEmpty())
            reasons.append(QStringLiteral("лишние %1").arg(edgeListText(pass.extra, shownEdges)));
    }
    if (reasons.isEmpty())
        reasons.append(QStringLiteral("нет прохода эталона для сравнения"));
    return QStringLiteral("%1: %2").arg(passPlaceText(pass), reasons.join(QStringLiteral("; ")));
}

QString verdictText(const JuryFileResult &file)
{
    if (!file.isRead())
        return QStringLiteral("НЕ ПРОЧИТАН");
    return file.isCorrect() ? QStringLiteral("ВЕРНО") : QStringLiteral("НЕВЕРНО");
}

QString verdictName(const JuryFileResult &file)
{
    if (!file.isRead())
        return QStringLiteral("unreadable");
    return file.isCorrect() ? QStringLiteral("correct") : QStringLiteral("wrong");
}

QString juryLimitsText()
{
    return QStringLiteral("Пределы: %1 подсвеченных строк за проход, %2 вложенных вызовов процедур; "
                          "время — на медленной скорости, по виртуальным часам.")
        .arg(JuryRunner::highlightLimit)
        .arg(JuryRunner::callDepthLimit);
}
