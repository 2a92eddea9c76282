#include "cli/validate/validatemode.h"

#include "cli/run/checkermessage.h"
#include "cli/run/checkertask.h"
#include "judge/passrunner.h"
#include "judge/passtexts.h"
#include "judge/referencealgorithm.h"
#include "judge/referencecheck.h"
#include "judge/testworld.h"
#include "tasks/check/reachability.h"
#include "tasks/check/taskvalidator.h"
#include "tasks/setup/taskfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

enum ExitStatus { NothingFound = 0, ProblemsFound = 1, CannotValidate = 2 };

QString problemLine(const QString &file, const TaskProblem &problem)
{
    const QString kind = problem.isWarning() ? QStringLiteral("предупреждение") : QStringLiteral("ошибка");
    if (problem.line <= 0)
        return QStringLiteral("%1: %2: %3").arg(file, kind, problem.message);
    return QStringLiteral("%1:%2:%3: %4: %5")
        .arg(file, QString::number(problem.line), QString::number(problem.column), kind, problem.message);
}

int sectionLineOf(const TaskFolderValidation &validation, int fieldSize)
{
    return validation.reading.sectionLine(fieldSize);
}

// Every size and arrangement in which point Б lies inside the field but apart from А.
QList<TaskProblem> unreachablePointB(const PassRunner &runner, const TaskFolderValidation &validation)
{
    QList<TaskProblem> problems;
    for (const TaskTest &test : runner.tests()) {
        const int size = test.fieldSize;
        const World world = testField(runner.task(), test);
        const CellPosition pointB = world.pointB;
        if (pointB.column < 0 || pointB.column >= size || pointB.row < 0 || pointB.row >= size)
            continue;
        const CellPosition start{world.executor.column, world.executor.row};
        if (isReachable(world, start, pointB))
            continue;
        TestPass place;
        place.fieldSize = size;
        place.arrangement = test.arrangement;
        problems.append(
            {sectionLineOf(validation, size), 1,
             QStringLiteral("%1: точка Б (%2,%3) недостижима из точки А (%4,%5)")
                 .arg(passPlaceText(place), QString::number(pointB.column), QString::number(pointB.row),
                      QString::number(start.column), QString::number(start.row))});
    }
    return problems;
}

QList<TaskProblem> referenceProblems(const PassRunner &runner, const QStringList &reference,
                                     const TaskFolderValidation &validation)
{
    QList<TaskProblem> problems;
    for (const TestPass &pass : checkReference(runner, reference)) {
        if (!pass.isCorrect)
            problems.append({sectionLineOf(validation, pass.fieldSize), 1,
                             QStringLiteral("эталон: ") + referenceFailure(pass, runner.task())});
    }
    return problems;
}

} // namespace

int runValidateMode(const CheckerOptions &options, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(options.taskFolder).isDir()) {
        err << checkerMessage(taskFolderNotFoundText(options.taskFolder));
        return CannotValidate;
    }
    QStringList reference;
    if (options.hasReference()) {
        const ReferenceAlgorithm read = readReferenceAlgorithm(options.referenceFile);
        if (!read.isOk()) {
            err << checkerMessage(read.error);
            return CannotValidate;
        }
        reference = read.lines;
    }

    const TaskFolderValidation validation = validateTaskFolder(options.taskFolder);
    const QString file = validation.taskFile.isEmpty()
        ? QDir::toNativeSeparators(QDir(options.taskFolder).filePath(TaskFolder::taskFileName()))
        : QDir::toNativeSeparators(validation.taskFile);
    if (!validation.isReadable) {
        for (const TaskProblem &problem : validation.problems)
            err << checkerMessage(QStringLiteral("%1: %2").arg(file, problem.message));
        return CannotValidate;
    }

    QList<TaskProblem> problems = validation.problems;
    // The runs need the task as the program loads it; a file the loader refuses is not run.
    const TaskFileResult &loaded = validation.reading;
    if (loaded.isOk()) {
        const PassRunner runner(loaded.task);
        if (loaded.task.hasPointB)
            problems.append(unreachablePointB(runner, validation));
        if (options.hasReference())
            problems.append(referenceProblems(runner, reference, validation));
        sortByLine(problems);
    }

    for (const TaskProblem &problem : problems)
        out << problemLine(file, problem) << "\n";
    const int errors = errorCount(problems);
    if (problems.isEmpty())
        out << "Ошибок не найдено.\n";
    else
        out << "Ошибок: " << errors << ", предупреждений: " << problems.size() - errors << "\n";
    return errors == 0 ? NothingFound : ProblemsFound;
}
