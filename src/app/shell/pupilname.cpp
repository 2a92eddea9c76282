#include "app/shell/pupilname.h"

namespace PupilName {

namespace {

// Code points of А and я: the Russian letters form one unbroken range without Ё/ё.
constexpr char16_t capitalA = 0x0410;
constexpr char16_t smallA = 0x0430;
constexpr char16_t smallYa = 0x044F;

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return u == 8 || u == ' ' || u == ',' || (u >= capitalA && u <= smallYa);
}

QChar upperFirstLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= smallA && u <= smallYa)
        return QChar(char16_t(u - (smallA - capitalA)));
    return c;
}

QString normalised(const QString &text, bool capitalise)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrControl(text.at(first)))
        ++first;
    while (last > first && isBlankOrControl(text.at(last - 1)))
        --last;
    QString result = text.mid(first, last - first).left(maxLength);
    if (capitalise && !result.isEmpty())
        result[0] = upperFirstLetter(result.at(0));
    return result;
}

QString workWindowCaption(const QString &surname, const QString &firstName, const QString &team)
{
    return QStringLiteral("\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) : ") + surname
        + QLatin1Char(' ') + firstName + QLatin1Char(' ') + team;
}

} // namespace PupilName
