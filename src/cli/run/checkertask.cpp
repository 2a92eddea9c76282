#include "cli/run/checkertask.h"

#include "judge/chosentest.h"
#include "judge/tasktest.h"
#include "judge/testworld.h"
#include "tasks/setup/taskfolder.h"
#include "tasks/setup/tasksetup.h"

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
    const ChosenTest chosen = loadChosenTest(folder, testNumber);
    if (!chosen.isOk())
        return {std::nullopt, chosen.error};
    return {
        CheckerTask{chosen.task, testRunWorld(chosen.task, chosen.test), testNumber, chosen.test.arrangement},
        {}};
}
