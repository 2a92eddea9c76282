#include "cli/checkertask.h"

#include "tasks/selectsizevariant.h"
#include "tasks/taskfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString offeredSizes(const TaskData &task)
{
    QStringList sizes;
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
        if (task.offersSize(size))
            sizes.append(QString::number(size));
    }
    return sizes.isEmpty() ? QStringLiteral("ни одного") : sizes.join(QStringLiteral(", "));
}

void showVariableWalls(WallModel &walls)
{
    walls.selectors.fill(0);
    const int count = qMin(walls.variableWallCount(), int(WallModel::maxVariableWalls));
    for (int i = 0; i < count; ++i)
        walls.selectors[size_t(i)] = 1;
}

} // namespace

World worldForSize(const TaskData &task, int fieldSize)
{
    // Opening the task: size 12, its data, the executor on point А, the variable walls shown.
    World world;
    world.fieldSize = TaskData::firstSize;
    selectSizeVariant(task, world);
    resetExecutorToStart(world);
    showVariableWalls(world.walls);
    // The size menu: the new size's data and the executor on its point А.
    world.fieldSize = qint16(fieldSize);
    selectSizeVariant(task, world);
    resetExecutorToStart(world);
    // The walls as the run finds them after a task start: every one at its first variant.
    showVariableWalls(world.walls);
    return world;
}

CheckerTaskResult loadCheckerTask(const QString &folder, int fieldSize)
{
    if (!QFileInfo(folder).isDir())
        return {std::nullopt, QStringLiteral("Не найден путь %1").arg(QDir::toNativeSeparators(folder))};

    const TaskFolder taskFolder(folder);
    const TaskFileResult read = taskFolder.readTask();
    if (!read.isOk()) {
        const TaskFileError &error = *read.error;
        QString place = taskFolder.taskFilePath();
        if (place.isEmpty())
            place = QDir(folder).filePath(TaskFolder::taskFileName());
        if (error.line > 0)
            place += QStringLiteral(":%1:%2").arg(error.line).arg(error.column);
        return {std::nullopt, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(place), error.message)};
    }

    if (!read.task.offersSize(fieldSize)) {
        return {std::nullopt,
                QStringLiteral("Задача не предлагает поле %1 x %1; её размеры: %2")
                    .arg(fieldSize)
                    .arg(offeredSizes(read.task))};
    }

    return {CheckerTask{read.task, worldForSize(read.task, fieldSize)}, {}};
}
