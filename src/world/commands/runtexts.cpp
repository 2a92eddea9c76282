#include "world/commands/runtexts.h"

RunMessage wallCrashMessage()
{
    return {QStringLiteral("НЕ МОГУ - СТЕНА !!!\n\n\nИсполнитель не может преодолеть стену\n"
                           "ни ШАГОМ ни ПРЫЖКОМ!!\nПОВОРОТ - это поворот на 90 градусов\n"
                           "против часовой стрелки!"),
            QStringLiteral("Error"), RunMessage::Icon::Error};
}

RunMessage arrangementMessage(const QList<int> &arrangement)
{
    QString text = arrangement.size() == 1 ? QStringLiteral("Алгоритм исполнен\nпри расположении стенки: ")
                                           : QStringLiteral("Алгоритм исполнен\nпри расположении стенок: ");
    for (int selector : arrangement)
        text += QString::number(selector) + QLatin1Char(' ');
    return {text, QStringLiteral("Information"), RunMessage::Icon::Information};
}

RunMessage missingLineMessage(const QString &line)
{
    return {QStringLiteral("В алгоритме не хватает строки \"%1\"!\nВыполнение алгоритма прервано.").arg(line),
            QStringLiteral("Error"), RunMessage::Icon::Error};
}

RunMessage callsTooDeepMessage(int limit)
{
    return {QStringLiteral("Слишком много вложенных вызовов процедур (больше %1)!\n"
                           "Процедура вызывает себя без конца?\nВыполнение алгоритма прервано.")
                .arg(limit),
            QStringLiteral("Error"), RunMessage::Icon::Error};
}
