#include "cli/jury/report/jurycsv.h"

#include "cli/jury/report/jurytexts.h"
#include "common/printablename.h"

#include <QFileInfo>

namespace {

QString csvRow(const QStringList &fields, QChar separator)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field, separator));
    return quoted.join(separator) + QStringLiteral("\r\n");
}

QString number(qint64 value)
{
    return QString::number(value);
}

// The columns every row ends with.
QStringList contextHeader()
{
    return {QStringLiteral("Программа"),
            QStringLiteral("Составлен"),
            QStringLiteral("Задача"),
            QStringLiteral("SHA-256 задачи"),
            QStringLiteral("Эталон"),
            QStringLiteral("SHA-256 эталона"),
            QStringLiteral("Предел подсвеченных строк за проход"),
            QStringLiteral("Выбранный тест")};
}

QStringList contextFields(const JuryReport &report)
{
    return {juryProgramText(),
            report.madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            printableName(report.taskFile),
            report.taskSha256,
            printableName(report.referenceFile),
            report.referenceSha256,
            number(report.highlightLimit),
            report.chosenTest ? testTitle(*report.chosenTest) : QString()};
}

QString fileError(const JuryFileResult &file)
{
    return file.isRead() ? file.notAlgorithm : file.readError;
}

// "WA 7" → "WA": the test's number has a column of its own.
QString codeOnly(const JuryFileResult &file)
{
    return fileCode(file).section(QLatin1Char(' '), 0, 0);
}

QString verdictWord(const JuryFileResult &file)
{
    return verdictText(file).section(QStringLiteral(" — "), 1);
}

QStringList pupilsColumns()
{
    return QStringList{QStringLiteral("№"),
                       QStringLiteral("Файл"),
                       QStringLiteral("Код"),
                       QStringLiteral("Вердикт"),
                       QStringLiteral("Пройдено тестов"),
                       QStringLiteral("Всего тестов"),
                       QStringLiteral("Первый неверный тест"),
                       QStringLiteral("Первая ошибка"),
                       QStringLiteral("SHA-256"),
                       QStringLiteral("Группа одинаковых файлов"),
                       QStringLiteral("Также назван"),
                       QStringLiteral("Команд"),
                       QStringLiteral("Процедур"),
                       QStringLiteral("Вызовов процедур"),
                       QStringLiteral("Ветвлений"),
                       QStringLiteral("Циклов"),
                       QStringLiteral("Строк")};
}

QStringList testsColumns()
{
    return QStringList{QStringLiteral("№"),
                       QStringLiteral("Файл"),
                       QStringLiteral("Тест"),
                       QStringLiteral("Поле"),
                       QStringLiteral("Стенки"),
                       QStringLiteral("Код"),
                       QStringLiteral("Вердикт"),
                       QStringLiteral("Исход"),
                       QStringLiteral("Строка"),
                       QStringLiteral("Столбец"),
                       QStringLiteral("Ряд"),
                       QStringLiteral("Направление"),
                       QStringLiteral("Выполнено строк"),
                       QStringLiteral("Время на медленной скорости, мс"),
                       QStringLiteral("Нет отрезков"),
                       QStringLiteral("Лишние отрезки"),
                       QStringLiteral("Сообщение"),
                       QStringLiteral("SHA-256")};
}

// A row under `columns` for each folder whose files were not judged: the folder in place of a
// file, the reason in `errorColumn`; `after` fills the columns that follow the context.
QString unreadFolderRows(const JuryReport &report, const QStringList &columns, const QString &errorColumn,
                         const QStringList &after = {})
{
    QString rows;
    for (const UnreadFolder &folder : report.unreadFolders) {
        QStringList fields(columns.size());
        fields[columns.indexOf(QStringLiteral("Файл"))] = printableName(folder.path);
        fields[columns.indexOf(QStringLiteral("Вердикт"))] = QStringLiteral("папка не проверена");
        fields[columns.indexOf(errorColumn)] = folder.reason;
        rows += csvRow(fields + contextFields(report) + after, report.csvSeparator);
    }
    return rows;
}

} // namespace

QString csvField(QString text, QChar separator)
{
    // A cell never breaks a line: a spreadsheet's row is one line of the file.
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    static const QString formulaStarts = QStringLiteral("=+-@\t");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (!text.contains(separator) && !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char(';'))
        && !text.contains(QLatin1Char('"')))
        return text;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString juryTestsCsvPath(const QString &reportPath)
{
    const QFileInfo info(reportPath);
    const QString name = info.completeBaseName() + QStringLiteral("-tests.") + info.suffix();
    const QString folder = reportPath.left(reportPath.size() - info.fileName().size());
    return folder + name;
}

QString juryPupilsCsvHeader(const JuryReport &report)
{
    const QStringList columns = pupilsColumns();
    return csvRow(columns + contextHeader(), report.csvSeparator)
        + unreadFolderRows(report, columns, QStringLiteral("Первая ошибка"));
}

QString juryPupilsCsvRow(const JuryReport &report, const JuryFileResult &file, qsizetype fileNumber)
{
    const TestPass *failure = file.firstFailure();
    const bool judged = file.isRead() && file.isAlgorithm();
    QStringList fields{number(fileNumber), printableName(file.file), codeOnly(file), verdictWord(file)};
    if (judged) {
        fields << number(file.correctPassCount()) << number(file.passes.size())
               << (failure ? number(failure->number) : QString())
               << (failure ? failureText(*failure, report.task.hasPointB) : QString());
    } else {
        fields << QString() << QString() << QString() << fileError(file);
    }
    // A number, not the names: a template handed in by hundreds would pass a cell's limit.
    fields << file.sha256 << (file.identicalGroup > 0 ? number(file.identicalGroup) : QString());
    QStringList otherPaths;
    for (const QString &path : file.otherPaths)
        otherPaths.append(printableName(path));
    fields << otherPaths.join(QStringLiteral(", "));
    if (judged) {
        const AlgorithmCounts &c = file.counts;
        fields << number(c.commands) << number(c.procedures) << number(c.calls) << number(c.branches)
               << number(c.loops) << number(c.lines);
    } else {
        fields << QString() << QString() << QString() << QString() << QString() << QString();
    }
    return csvRow(fields + contextFields(report), report.csvSeparator);
}

QString juryTestsCsvHeader(const JuryReport &report)
{
    const QStringList columns = testsColumns();
    return csvRow(columns + contextHeader() + QStringList{QStringLiteral("Повторить тест")},
                  report.csvSeparator)
        + unreadFolderRows(report, columns, QStringLiteral("Сообщение"), QStringList{QString()});
}

QString juryTestsCsvRows(const JuryReport &report, const JuryFileResult &file, qsizetype fileNumber)
{
    const QChar separator = report.csvSeparator;
    const QStringList context = contextFields(report);
    if (!file.isRead() || !file.isAlgorithm()) {
        QStringList fields{number(fileNumber), printableName(file.file), QString(),        QString(),
                           QString(),          codeOnly(file),           verdictWord(file)};
        while (fields.size() < 16)
            fields.append(QString());
        fields << fileError(file) << file.sha256;
        return csvRow(fields + context + QStringList{QString()}, separator);
    }
    QString rows;
    for (const TestPass &pass : file.passes) {
        const int line = stopLineNumber(pass);
        rows += csvRow(QStringList{number(fileNumber), printableName(file.file), number(pass.number),
                                   number(pass.fieldSize), selectorsText(pass.arrangement), passCode(pass),
                                   passCodeWord(pass), outcomeText(pass), line > 0 ? number(line) : QString(),
                                   number(pass.executor.column), number(pass.executor.row),
                                   number(pass.executor.heading), number(pass.lines), number(pass.slowMs),
                                   edgeListText(pass.missing), edgeListText(pass.extra), pass.message,
                                   file.sha256}
                           + context + QStringList{replayCommand(report.taskFolder, file.file, pass)},
                       separator);
    }
    return rows;
}
