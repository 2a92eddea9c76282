#include "cli/run/checkertask.h"

#include "judge/tasktest.h"
#include "judge/testworld.h"
#include "tasks/setup/taskfolder.h"
#include "tasks/setup/tasksetup.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString offeredSizes(const TaskData &task)
{
    QStringList sizes;
    for (int size : task.offeredSizes())
        sizes.append(QString::number(size));
    return sizes.isEmpty() ? QStringLiteral("ни одного") : sizes.join(QStringLiteral(", "));
}

} // namespace

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

CheckerTaskResult loadCheckerTask(const QString &folder, int fieldSize)
{
    if (!QFileInfo(folder).isDir())
        return {std::nullopt, taskFolderNotFoundText(folder)};

    const TaskFolder taskFolder(folder);
    const TaskFileResult read = taskFolder.readTask();
    if (!read.isOk())
        return {std::nullopt, taskFileErrorText(folder, *read.error)};

    if (!read.task.offersSize(fieldSize)) {
        return {std::nullopt,
                QStringLiteral("Задача не предлагает поле %1 x %1; её размеры: %2")
                    .arg(fieldSize)
                    .arg(offeredSizes(read.task))};
    }

    return {CheckerTask{read.task, taskWorld(read.task, fieldSize), 0, {}}, {}};
}

CheckerTaskResult loadCheckerTest(const QString &folder, int testNumber)
{
    if (!QFileInfo(folder).isDir())
        return {std::nullopt, taskFolderNotFoundText(folder)};
    const TaskFileResult read = TaskFolder(folder).readTask();
    if (!read.isOk())
        return {std::nullopt, taskFileErrorText(folder, *read.error)};
    const QList<TaskTest> tests = taskTests(read.task);
    if (testNumber < 1 || testNumber > tests.size())
        return {std::nullopt, testOutOfRangeText(testNumber, int(tests.size()))};
    const TaskTest &test = tests.at(testNumber - 1);
    return {CheckerTask{read.task, testRunWorld(read.task, test), testNumber, test.arrangement}, {}};
}
