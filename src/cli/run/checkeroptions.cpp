#include "cli/run/checkeroptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>

#include <limits>
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

// The options' long names; "--help" also answers to "-h".
const char *const flagOptionNames[] = {"version", "events", "json", "jury", "validate", "recursive"};
const char *const valueOptionNames[] = {"task",      "size",   "speed",       "limit",      "render", "unit",
                                        "reference", "report", "render-diff", "time-limit", "test"};
// The jury's report options.
const char *const reportOptionNames[] = {"only", "csv-separator"};

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The argument as the user wrote it that holds an unknown name: the parser names only the
// letters of an unknown "-xyz", and "--name=value" without its value.
QString writtenOption(const QStringList &arguments, const QString &unknownName)
{
    for (const QString &argument : arguments) {
        const QString written = argument.section(QLatin1Char('='), 0, 0);
        if (written == QLatin1String("--") + unknownName)
            return written;
    }
    for (const QString &argument : arguments) {
        const QString written = argument.section(QLatin1Char('='), 0, 0);
        if (written.size() > 1 && written.startsWith(QLatin1Char('-'))
            && !written.startsWith(QLatin1String("--")) && written.contains(unknownName))
            return written;
    }
    return dashed(unknownName);
}

// Reads the arguments with QCommandLineParser, then checks every value in the order given;
// returns false (with the error set) when the line is not usable.
class OptionReader
{
public:
    OptionReader(const QStringList &arguments, CheckerOptionsResult &result)
        : m_arguments(arguments)
        , m_result(result)
    {
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
        m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
        for (const char *name : flagOptionNames)
            m_parser.addOption(QCommandLineOption(QLatin1String(name)));
        for (const char *name : valueOptionNames)
            m_parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
        for (const char *name : reportOptionNames)
            m_parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    }

    bool read()
    {
        // The parser skips the first argument, the program's name.
        if (!m_parser.parse(QStringList{QStringLiteral("shagaika-check")} + m_arguments))
            return fail(parseError());

        QHash<QString, qsizetype> valuesRead;
        for (const QString &foundName : m_parser.optionNames()) {
            const QString name =
                foundName == QLatin1String("h") ? QStringLiteral("--help") : dashed(foundName);
            m_given.append(name);
            if (!takesValue(foundName)) {
                readFlag(name);
                continue;
            }
            const QString value = m_parser.values(foundName).at(valuesRead[foundName]++);
            if (!readValue(name, value))
                return false;
        }
        m_result.options.files = m_parser.positionalArguments();
        return true;
    }

private:
    static bool takesValue(const QString &name)
    {
        for (const char *valueName : valueOptionNames) {
            if (name == QLatin1String(valueName))
                return true;
        }
        for (const char *valueName : reportOptionNames) {
            if (name == QLatin1String(valueName))
                return true;
        }
        return false;
    }

    // The parser's own messages are English and name options without their dashes.
    QString parseError() const
    {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return QStringLiteral("неизвестный параметр %1").arg(writtenOption(m_arguments, unknown.first()));
        // Only the last argument can lack its value, and then the parser has not stored one.
        const QStringList found = m_parser.optionNames();
        if (!found.isEmpty() && takesValue(found.last())
            && found.count(found.last()) > m_parser.values(found.last()).size())
            return QStringLiteral("после %1 нужно значение").arg(dashed(found.last()));
        // Otherwise a flag was given "=value".
        for (const QString &argument : m_arguments) {
            if (argument == QLatin1String("--"))
                break;
            if (!argument.startsWith(QLatin1Char('-')) || !argument.contains(QLatin1Char('=')))
                continue;
            const QString written = argument.section(QLatin1Char('='), 0, 0);
            const QString name = written.mid(written.startsWith(QLatin1String("--")) ? 2 : 1);
            if (found.contains(name) && !takesValue(name))
                return QStringLiteral("параметр %1 не принимает значения").arg(written);
        }
        return m_parser.errorText();
    }

    void readFlag(const QString &name)
    {
        CheckerOptions &options = m_result.options;
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
        else if (name == QLatin1String("--recursive"))
            options.recursive = true;
        else
            options.mode = CheckerMode::Validate;
    }

    bool readValue(const QString &name, const QString &value)
    {
        CheckerOptions &options = m_result.options;
        if (name == QLatin1String("--task"))
            return readName(value, options.taskFolder, QStringLiteral("--task: пустое имя папки"));
        if (name == QLatin1String("--size"))
            return readWholeNumber(
                value, 12, 15, options.fieldSize,
                QStringLiteral("--size: размер поля должен быть 12, 13, 14 или 15, а не \"%1\""));
        if (name == QLatin1String("--speed")) {
            const std::optional<RunSpeed> speed = parseSpeed(value);
            if (!speed)
                return fail(
                    QStringLiteral("--speed: скорость должна быть slow, middle или fastest, а не \"%1\"")
                        .arg(value));
            options.speed = *speed;
            return true;
        }
        if (name == QLatin1String("--limit"))
            return readWholeNumber(value, 1, std::numeric_limits<qint64>::max(), options.limit,
                                   QStringLiteral("--limit: нужно целое число не меньше 1, а не \"%1\""));
        if (name == QLatin1String("--time-limit"))
            return readWholeNumber(
                value, 1, 3600, options.timeLimitSeconds,
                QStringLiteral("--time-limit: нужно целое число секунд от 1 до 3600, а не \"%1\""));
        if (name == QLatin1String("--test"))
            return readWholeNumber(
                value, 1, std::numeric_limits<int>::max(), options.test,
                QStringLiteral("--test: нужен номер теста, целое число от 1, а не \"%1\""));
        if (name == QLatin1String("--render"))
            return readName(value, options.renderPrefix,
                            QStringLiteral("--render: пустой префикс имён картинок"));
        if (name == QLatin1String("--reference"))
            return readName(value, options.referenceFile, QStringLiteral("--reference: пустое имя файла"));
        if (name == QLatin1String("--report")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--report: пустое имя файла"));
            options.reportFiles.append(value);
            return true;
        }
        if (name == QLatin1String("--only")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--only: пустое имя файла"));
            options.onlyFiles.append(value);
            return true;
        }
        if (name == QLatin1String("--csv-separator")) {
            if (value != QLatin1String(";") && value != QLatin1String(","))
                return fail(QStringLiteral("--csv-separator: разделитель должен быть ; или , а не \"%1\"")
                                .arg(value));
            options.csvSeparator = value.front();
            return true;
        }
        if (name == QLatin1String("--render-diff"))
            return readName(value, options.renderDiffPrefix,
                            QStringLiteral("--render-diff: пустой префикс имён картинок"));
        const std::optional<qint64> unit = parseWholeNumber(value);
        if (unit && *unit >= 1 && *unit < CheckerOptions::smallestUnit)
            return fail(QStringLiteral("--unit: при %1 клетка поля 15 x 15 меньше картинки Шагайки 16 x 16; "
                                       "наименьшее допустимое значение — %2")
                            .arg(value, QString::number(CheckerOptions::smallestUnit)));
        if (!unit || *unit < CheckerOptions::smallestUnit || *unit > CheckerOptions::largestUnit)
            return fail(QStringLiteral("--unit: нужно целое число от %1 до %2, а не \"%3\"")
                            .arg(QString::number(CheckerOptions::smallestUnit),
                                 QString::number(CheckerOptions::largestUnit), value));
        options.unit = int(*unit);
        return true;
    }

    // A name that must not be empty.
    bool readName(const QString &value, QString &target, const QString &emptyError)
    {
        if (value.isEmpty())
            return fail(emptyError);
        target = value;
        return true;
    }

    // A whole number from lowest to highest; the error quotes the value given as %1.
    template<typename Number>
    bool readWholeNumber(const QString &value, qint64 lowest, qint64 highest, Number &target,
                         const QString &error)
    {
        const std::optional<qint64> number = parseWholeNumber(value);
        if (!number || *number < lowest || *number > highest)
            return fail(error.arg(value));
        target = Number(*number);
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
    QCommandLineParser m_parser;
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
    static const char *const singleRunOptions[] = {"--size", "--speed", "--events", "--json", "--render"};
    if (options.mode != CheckerMode::Run) {
        for (const char *name : singleRunOptions) {
            if (given.contains(QLatin1String(name)))
                return QStringLiteral("параметр %1 не сочетается с %2").arg(QLatin1String(name), modeName);
        }
    }
    if (options.mode == CheckerMode::Validate) {
        for (const char *name :
             {"--report", "--render-diff", "--unit", "--time-limit", "--limit", "--test", "--recursive"}) {
            if (given.contains(QLatin1String(name)))
                return QStringLiteral("параметр %1 не сочетается с --validate").arg(QLatin1String(name));
        }
        if (!options.files.isEmpty())
            return QStringLiteral("--validate проверяет одну папку задачи (--task ПАПКА или просто ПАПКА), "
                                  "файлы алгоритмов ему не нужны: %1")
                .arg(options.files.first());
    }
    if (given.contains(QLatin1String("--test")) && given.contains(QLatin1String("--size")))
        return QStringLiteral("--test выбирает и размер поля (тесты нумеруются по всем размерам задачи); "
                              "--size с ним не нужен");
    if (options.mode == CheckerMode::Run) {
        if (given.contains(QLatin1String("--reference")))
            return QStringLiteral("параметр --reference нужен только с --jury или --validate");
        for (const char *name : {"--report", "--render-diff", "--time-limit"}) {
            if (given.contains(QLatin1String(name)))
                return QStringLiteral("параметр %1 нужен только с --jury").arg(QLatin1String(name));
        }
    }
    if (options.mode != CheckerMode::Jury) {
        for (const char *name : reportOptionNames) {
            if (given.contains(dashed(QLatin1String(name))))
                return QStringLiteral("параметр %1 нужен только с --jury").arg(dashed(QLatin1String(name)));
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
    // "--validate DIR" names the task folder as "--task DIR" would.
    CheckerOptions &options = result.options;
    if (options.mode == CheckerMode::Validate && options.files.size() == 1
        && !reader.given().contains(QLatin1String("--task")) && QFileInfo(options.files.first()).isDir())
        options.taskFolder = options.files.takeFirst();
    result.error = combinationError(result.options, reader.given());
    if (result.isOk() && result.options.mode != CheckerMode::Validate && result.options.files.isEmpty()
        && result.options.onlyFiles.isEmpty())
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
