#include "judge/referencecheck.h"

#include "judge/passtexts.h"
#include "judge/verdictrule.h"

QList<TestPass> checkReference(const PassRunner &runner, const QStringList &lines)
{
    QList<TestPass> passes = runner.runAll(lines);
    for (TestPass &pass : passes)
        pass.isCorrect = referenceFailure(pass, runner.task()).isEmpty();
    return passes;
}

QString referenceFailure(const TestPass &pass, const TaskData &task)
{
    if (pass.end != RunEnd::Complete)
        return QStringLiteral("%1: %2").arg(passPlaceText(pass), outcomeText(pass));
    if (task.hasPointB && !endsOnPointB(pass, task))
        return QStringLiteral("%1: Шагайка не в точке Б, а в (%2,%3)")
            .arg(passPlaceText(pass), QString::number(pass.executor.column),
                 QString::number(pass.executor.row));
    return {};
}
