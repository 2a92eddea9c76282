#include "cli/run/checkeroptions.h"

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
        : m_arguments(arguments)
        , m_result(result)
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
            || name == QLatin1String("--events") || name == QLatin1String("--json")
            || name == QLatin1String("--jury") || name == QLatin1String("--validate")) {
            if (inlineValue)
                return fail(QStringLiteral("параметр %1 не принимает значения").arg(name));
            m_given.append(name);
            if (name == QLatin1String("--help"))
                m_result.helpRequested = true;
            else if (name == QLatin1String("--version"))
                m_result.versionRequested = true;
            else if (name == QLatin1String("--events"))
                options.events = true;
            else if (name == QLatin1String("--json"))
                options.json = true;
            else if (name == QLatin1String("--jury"))
                options.mode = CheckerMode::Jury;
            else
                options.mode = CheckerMode::Validate;
            return true;
        }

        if (!name.startsWith(QLatin1String("--")))
            return fail(QStringLiteral("неизвестный параметр %1").arg(name));
        if (name != QLatin1String("--task") && name != QLatin1String("--size")
            && name != QLatin1String("--speed") && name != QLatin1String("--limit")
            && name != QLatin1String("--render") && name != QLatin1String("--unit")
            && name != QLatin1String("--reference") && name != QLatin1String("--report")
            && name != QLatin1String("--render-diff"))
            return fail(QStringLiteral("неизвестный параметр %1").arg(name));
        m_given.append(name);

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
                return fail(QStringLiteral("--size: размер поля должен быть 12, 13, 14 или 15, а не \"%1\"")
                                .arg(value));
            options.fieldSize = int(*size);
        } else if (name == QLatin1String("--speed")) {
            const std::optional<RunSpeed> speed = parseSpeed(value);
            if (!speed)
                return fail(
                    QStringLiteral("--speed: скорость должна быть slow, middle или fastest, а не \"%1\"")
                        .arg(value));
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
        } else if (name == QLatin1String("--reference")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--reference: пустое имя файла"));
            options.referenceFile = value;
        } else if (name == QLatin1String("--report")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--report: пустое имя файла"));
            options.reportFile = value;
        } else if (name == QLatin1String("--render-diff")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--render-diff: пустой префикс имён картинок"));
            options.renderDiffPrefix = value;
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

public:
    // The options that were given, so that a combination can be refused after reading.
    const QStringList &given() const { return m_given; }

private:
    const QStringList &m_arguments;
    CheckerOptionsResult &m_result;
    qsizetype m_next = 0;
    QStringList m_given;
};

// The jury's runs and the validator have fixed settings of their own; options that would
// change a single run make no sense there, and the jury's options none in a single run.
QString combinationError(const CheckerOptions &options, const QStringList &given)
{
    if (given.contains(QLatin1String("--jury")) && given.contains(QLatin1String("--validate")))
        return QStringLiteral("--jury и --validate не сочетаются");
    const QString modeName =
        options.mode == CheckerMode::Jury ? QStringLiteral("--jury") : QStringLiteral("--validate");
    static const char *const singleRunOptions[] = {"--size",   "--speed", "--limit",
                                                   "--events", "--json",  "--render"};
    if (options.mode != CheckerMode::Run) {
        for (const char *name : singleRunOptions) {
            if (given.contains(QLatin1String(name)))
                return QStringLiteral("параметр %1 не сочетается с %2").arg(QLatin1String(name), modeName);
        }
    }
    if (options.mode == CheckerMode::Validate) {
        for (const char *name : {"--report", "--render-diff", "--unit"}) {
            if (given.contains(QLatin1String(name)))
                return QStringLiteral("параметр %1 не сочетается с --validate").arg(QLatin1String(name));
        }
        if (!options.files.isEmpty())
            return QStringLiteral("--validate проверяет папку задачи, файлы алгоритмов ему не нужны: %1")
                .arg(options.files.first());
    }
    if (options.mode == CheckerMode::Run) {
        if (given.contains(QLatin1String("--reference")))
            return QStringLiteral("параметр --reference нужен только с --jury или --validate");
        for (const char *name : {"--report", "--render-diff"}) {
            if (given.contains(QLatin1String(name)))
                return QStringLiteral("параметр %1 нужен только с --jury").arg(QLatin1String(name));
        }
    }
    return {};
}

} // namespace

CheckerOptionsResult parseCheckerOptions(const QStringList &arguments)
{
    CheckerOptionsResult result;
    OptionReader reader(arguments, result);
    if (!reader.read())
        return result;
    if (result.helpRequested || result.versionRequested)
        return result;
    result.error = combinationError(result.options, reader.given());
    if (result.isOk() && result.options.mode != CheckerMode::Validate && result.options.files.isEmpty())
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
