#include "judge/chosentest.h"

#include "tasks/setup/taskfolder.h"

#include <QDir>
#include <QFileInfo>

QString taskFolderNotFoundText(const QString &folder)
{
    return QStringLiteral("Не найден путь %1").arg(QDir::toNativeSeparators(folder));
}

QString taskFileErrorText(const QString &folder, const TaskFileError &error)
{
    QString place = TaskFolder(folder).taskFilePath();
    if (place.isEmpty())
        place = QDir(folder).filePath(TaskFolder::taskFileName());
    if (error.line > 0)
        place += QStringLiteral(":%1:%2").arg(QString::number(error.line), QString::number(error.column));
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(place), error.message);
}

ChosenTest loadChosenTest(const QString &folder, int testNumber)
{
    ChosenTest chosen;
    if (!QFileInfo(folder).isDir()) {
        chosen.error = taskFolderNotFoundText(folder);
        return chosen;
    }
    const TaskFileResult read = TaskFolder(folder).readTask();
    if (!read.isOk()) {
        chosen.error = taskFileErrorText(folder, *read.error);
        return chosen;
    }
    chosen.task = read.task;
    const QList<TaskTest> tests = taskTests(read.task);
    if (testNumber < 1 || testNumber > tests.size())
        chosen.error = testOutOfRangeText(testNumber, int(tests.size()));
    else
        chosen.test = tests.at(testNumber - 1);
    return chosen;
}
