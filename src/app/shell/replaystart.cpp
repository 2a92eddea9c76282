#include "app/shell/replaystart.h"

#include "editor/algorithmfile.h"

namespace {

// The option's value, or an error when it has none.
bool takeValue(const QStringList &arguments, qsizetype &i, QString &value, QString &error)
{
    if (i + 1 >= arguments.size()) {
        error = QStringLiteral("после %1 нужно значение").arg(arguments.at(i));
        return false;
    }
    value = arguments.at(++i);
    return true;
}

} // namespace

QString replayUsageText()
{
    return QStringLiteral("Использование: shagaika --task ПАПКА --test N ФАЙЛ_АЛГОРИТМА");
}

ReplayStart prepareReplay(const QStringList &arguments)
{
    ReplayStart start;
    QString testText;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--task")) {
            if (!takeValue(arguments, i, start.taskFolder, start.error))
                return start;
        } else if (argument == QLatin1String("--test")) {
            if (!takeValue(arguments, i, testText, start.error))
                return start;
        } else if (argument.startsWith(QLatin1String("--"))) {
            start.error = QStringLiteral("неизвестный параметр %1").arg(argument);
            return start;
        } else {
            files.append(argument);
        }
    }
    bool isNumber = false;
    const int number = testText.toInt(&isNumber);
    if (testText.isEmpty() || files.size() != 1) {
        start.error = replayUsageText();
        return start;
    }
    if (!isNumber || number < 1) {
        start.error =
            QStringLiteral("--test: нужен номер теста, целое число от 1, а не \"%1\"").arg(testText);
        return start;
    }
    if (start.taskFolder.isEmpty())
        start.taskFolder = QStringLiteral(".");
    start.file = files.first();
    start.chosen = loadChosenTest(start.taskFolder, number);
    if (!start.chosen.isOk()) {
        start.error = start.chosen.error;
        return start;
    }
    const AlgorithmFileResult read = readAlgorithmFile(start.file);
    if (!read.isOk()) {
        start.error = read.error;
        return start;
    }
    start.lines = read.lines;
    return start;
}
