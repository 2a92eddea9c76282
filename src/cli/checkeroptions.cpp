#include "cli/checkeroptions.h"

#include <optional>

namespace {

std::optional<qint64> parseWholeNumber(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || text.trimmed() != text)
        return std::nullopt;
    return value;
}

std::optional<RunSpeed> parseSpeed(const QString &text)
{
    for (RunSpeed speed : {RunSpeed::Slow, RunSpeed::Middle, RunSpeed::Fastest}) {
        if (text == speedName(speed))
            return speed;
    }
    return std::nullopt;
}

// Reads one option into the result; returns false (with the error set) when it is not usable.
class OptionReader
{
public:
    OptionReader(const QStringList &arguments, CheckerOptionsResult &result)
        : m_arguments(arguments), m_result(result)
    {
    }

    bool read()
    {
        bool optionsEnded = false;
        while (m_next < m_arguments.size()) {
            const QString argument = m_arguments.at(m_next++);
            if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
                m_result.options.files.append(argument);
                continue;
            }
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            if (!readOption(argument == QLatin1String("-h") ? QStringLiteral("--help") : argument))
                return false;
        }
        return true;
    }

private:
    bool readOption(const QString &argument)
    {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        std::optional<QString> inlineValue;
        if (equals >= 0)
            inlineValue = argument.mid(equals + 1);
        CheckerOptions &options = m_result.options;

        if (name == QLatin1String("--help") || name == QLatin1String("--version")
            || name == QLatin1String("--events") || name == QLatin1String("--json")) {
            if (inlineValue)
                return fail(QStringLiteral("параметр %1 не принимает значения").arg(name));
            if (name == QLatin1String("--help"))
                m_result.helpRequested = true;
            else if (name == QLatin1String("--version"))
                m_result.versionRequested = true;
            else if (name == QLatin1String("--events"))
                options.events = true;
            else
                options.json = true;
            return true;
        }

        if (!name.startsWith(QLatin1String("--")))
            return fail(QStringLiteral("неизвестный параметр %1").arg(name));
        if (name != QLatin1String("--task") && name != QLatin1String("--size") && name != QLatin1String("--speed")
            && name != QLatin1String("--limit") && name != QLatin1String("--render") && name != QLatin1String("--unit"))
            return fail(QStringLiteral("неизвестный параметр %1").arg(name));

        QString value;
        if (inlineValue) {
            value = *inlineValue;
        } else {
            if (m_next >= m_arguments.size())
                return fail(QStringLiteral("после %1 нужно значение").arg(name));
            value = m_arguments.at(m_next++);
        }

        if (name == QLatin1String("--task")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--task: пустое имя папки"));
            options.taskFolder = value;
        } else if (name == QLatin1String("--size")) {
            const std::optional<qint64> size = parseWholeNumber(value);
            if (!size || *size < 12 || *size > 15)
                return fail(QStringLiteral("--size: размер поля должен быть 12, 13, 14 или 15, а не \"%1\"").arg(value));
            options.fieldSize = int(*size);
        } else if (name == QLatin1String("--speed")) {
            const std::optional<RunSpeed> speed = parseSpeed(value);
            if (!speed)
                return fail(QStringLiteral("--speed: скорость должна быть slow, middle или fastest, а не \"%1\"").arg(value));
            options.speed = *speed;
        } else if (name == QLatin1String("--limit")) {
            const std::optional<qint64> limit = parseWholeNumber(value);
            if (!limit || *limit < 1)
                return fail(QStringLiteral("--limit: нужно целое число не меньше 1, а не \"%1\"").arg(value));
            options.limit = *limit;
        } else if (name == QLatin1String("--render")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--render: пустой префикс имён картинок"));
            options.renderPrefix = value;
        } else {
            const std::optional<qint64> unit = parseWholeNumber(value);
            if (!unit || *unit < CheckerOptions::smallestUnit || *unit > CheckerOptions::largestUnit)
                return fail(QStringLiteral("--unit: нужно целое число от %1 до %2, а не \"%3\"")
                                .arg(CheckerOptions::smallestUnit)
                                .arg(CheckerOptions::largestUnit)
                                .arg(value));
            options.unit = int(*unit);
        }
        return true;
    }

    bool fail(const QString &error)
    {
        m_result.error = error;
        return false;
    }

    const QStringList &m_arguments;
    CheckerOptionsResult &m_result;
    qsizetype m_next = 0;
};

} // namespace

CheckerOptionsResult parseCheckerOptions(const QStringList &arguments)
{
    CheckerOptionsResult result;
    if (!OptionReader(arguments, result).read())
        return result;
    if (!result.helpRequested && !result.versionRequested && result.options.files.isEmpty())
        result.error = QStringLiteral("не указан ни один файл алгоритма");
    return result;
}

QString speedName(RunSpeed speed)
{
    switch (speed) {
    case RunSpeed::Slow: return QStringLiteral("slow");
    case RunSpeed::Middle: return QStringLiteral("middle");
    case RunSpeed::Fastest: break;
    }
    return QStringLiteral("fastest");
}
