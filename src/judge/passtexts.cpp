#include "judge/passtexts.h"

#include <QStringList>

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

QString passPlaceText(const TestPass &pass)
{
    if (pass.arrangement.isEmpty())
        return QStringLiteral("поле %1").arg(pass.fieldSize);
    return QStringLiteral("поле %1, расположение %2")
        .arg(QString::number(pass.fieldSize), arrangementText(pass.arrangement));
}

QString outcomeText(const TestPass &pass)
{
    switch (pass.end) {
    case RunEnd::Complete: return QStringLiteral("дошёл до конца");
    case RunEnd::Crash:
        return QStringLiteral("авария в (%1,%2)").arg(pass.executor.column).arg(pass.executor.row);
    case RunEnd::Stopped:
        return pass.isOutOfTime ? QStringLiteral("прерван: время файла вышло")
                                : QStringLiteral("прерван по пределу");
    case RunEnd::Error: break;
    }
    QString message = pass.message;
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return message.isEmpty() ? QStringLiteral("ошибка") : QStringLiteral("ошибка: ") + message;
}

QString passEndingText(const TestPass &pass, bool hasPointB, bool hasReference)
{
    const int line = pass.stopRow + 1;
    switch (pass.end) {
    case RunEnd::Complete: break;
    case RunEnd::Crash: return QStringLiteral("столкновение в строке %1").arg(line);
    case RunEnd::Stopped:
        return pass.isOutOfTime ? QStringLiteral("прерван: время вышло")
                                : QStringLiteral("остановлен кнопкой");
    case RunEnd::Error: return QStringLiteral("ошибка в строке %1").arg(line);
    }
    if (!hasPointB && !hasReference)
        return QStringLiteral("дошёл до конца");
    if (!hasPointB)
        return pass.isCorrect ? QStringLiteral("рисунок совпадает") : QStringLiteral("рисунок не совпадает");
    if (pass.isCorrect)
        return QStringLiteral("дошёл до Б");
    return QStringLiteral("остановился в (%1,%2)").arg(pass.executor.column).arg(pass.executor.row);
}
