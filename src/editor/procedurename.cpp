#include "editor/procedurename.h"

#include "editor/algorithmline.h"

QString enterProcedureNameMessage()
{
    return QStringLiteral("Введите имя новой процедуры");
}

QString nameMustStartWithLetterMessage()
{
    return QStringLiteral("Имя процедуры должно начинаться с буквы");
}

QString procedureAlreadyDescribedMessage(const QString &name)
{
    return QStringLiteral("Процедура с именем ") + name + QStringLiteral(" уже описана");
}

// Broken after "процедуру ", with the line feed that Qt's message boxes break at
// (a carriage return would show as nothing).
QString procedureStillCalledMessage()
{
    return QStringLiteral("Нельзя удалить процедуру \nбез удаления всех её вызовов !!!");
}

std::optional<QString> newProcedureNameError(const QString &name, const QStringList &knownNames)
{
    if (name.isEmpty())
        return enterProcedureNameMessage();
    // Only the ten decimal digits: other scripts' digits are accepted like letters.
    const QChar first = name.at(0);
    if (first >= QLatin1Char('0') && first <= QLatin1Char('9'))
        return nameMustStartWithLetterMessage();
    if (knownNames.contains(name, Qt::CaseSensitive))
        return procedureAlreadyDescribedMessage(name);
    return std::nullopt;
}

bool isProcedureDescribed(const QStringList &lines, const QString &name)
{
    for (const QString &line : lines) {
        if (isProcedureHead(line) && procedureHeadName(line) == name)
            return true;
    }
    return false;
}

bool isProcedureCalled(const QStringList &lines, const QString &name)
{
    for (const QString &line : lines) {
        if (isCallLine(line) && callName(line) == name)
            return true;
    }
    return false;
}

int nextNameRow(int row, int count)
{
    if (count <= 0)
        return -1;
    return row >= 0 && row < count - 1 ? row + 1 : 0;
}

int previousNameRow(int row, int count)
{
    if (count <= 0)
        return -1;
    return row > 0 && row < count ? row - 1 : count - 1;
}
