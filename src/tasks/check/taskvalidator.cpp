#include "tasks/check/taskvalidator.h"

#include "tasks/check/patternpicture.h"
#include "tasks/file/taskfilecolumns.h"
#include "tasks/file/taskfileparser.h"
#include "tasks/setup/taskfolder.h"

#include <algorithm>

TaskFileResult validateTaskText(const QString &text)
{
    TaskFileResult result = parseTaskFile(text, TaskFileParser::Mode::CollectProblems);
    sortByLine(result.problems);
    return result;
}

void sortByLine(QList<TaskProblem> &problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const TaskProblem &a, const TaskProblem &b) { return a.line < b.line; });
}

int errorCount(const QList<TaskProblem> &problems)
{
    return int(std::count_if(problems.begin(), problems.end(),
                             [](const TaskProblem &problem) { return !problem.isWarning(); }));
}

TaskFolderValidation validateTaskFolder(const QString &folder)
{
    TaskFolderValidation result;
    const TaskFolder taskFolder(folder);
    result.taskFile = taskFolder.taskFilePath();
    result.reading = taskFolder.readTask(TaskFileParser::Mode::CollectProblems);
    if (result.reading.error && result.reading.error->line == 0) {
        // The file itself is missing or cannot be read: nothing in it can be checked.
        result.problems.append({0, 0, result.reading.error->message});
        return result;
    }
    result.isReadable = true;
    result.problems = result.reading.problems;

    if (result.reading.task.hasPattern) {
        const QString picture = taskFolder.patternFilePath();
        if (picture.isEmpty()) {
            result.problems.append({result.reading.headerLine, TaskFileColumns::patternFlag.first,
                                    QStringLiteral("задача на рисование по образцу, но рядом нет картинки ")
                                        + TaskFolder::patternFileName()});
        } else if (const PatternPicture pattern = readPatternPicture(picture); !pattern.isOk()) {
            result.problems.append({result.reading.headerLine, TaskFileColumns::patternFlag.first,
                                    QStringLiteral("картинка образца %1 не читается: %2")
                                        .arg(TaskFolder::patternFileName(), pattern.reason)});
        }
    }
    sortByLine(result.problems);
    return result;
}
