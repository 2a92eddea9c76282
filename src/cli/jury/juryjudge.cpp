#include "cli/jury/juryjudge.h"

#include "cli/jury/report/jurytexts.h"

namespace {

bool endsOnPointB(const JuryPass &pass, const TaskData &task)
{
    const CellPosition pointB = task.size(pass.fieldSize).pointB;
    return pass.executor.column == pointB.column && pass.executor.row == pointB.row;
}

} // namespace

const JuryPass *matchingPass(const QList<JuryPass> &passes, const JuryPass &pass)
{
    for (const JuryPass &candidate : passes) {
        if (candidate.fieldSize == pass.fieldSize && candidate.arrangement == pass.arrangement)
            return &candidate;
    }
    return nullptr;
}

void judgePasses(QList<JuryPass> &passes, const TaskData &task, const QList<JuryPass> &reference)
{
    for (JuryPass &pass : passes) {
        const bool completed = pass.end == RunEnd::Complete;
        if (task.hasPointB) {
            pass.correct = completed && endsOnPointB(pass, task);
            continue;
        }
        const JuryPass *model = matchingPass(reference, pass);
        const QList<CellEdge> wanted = model ? drawnEdges(model->trace) : QList<CellEdge>{};
        const QList<CellEdge> drawn = drawnEdges(pass.trace);
        pass.missing = edgesNotIn(wanted, drawn);
        pass.extra = edgesNotIn(drawn, wanted);
        pass.correct = completed && model && pass.missing.isEmpty() && pass.extra.isEmpty();
    }
}

QString referenceFailure(const QList<JuryPass> &reference, const TaskData &task)
{
    for (const JuryPass &pass : reference) {
        if (pass.end != RunEnd::Complete)
            return QStringLiteral("%1: %2").arg(passPlaceText(pass), outcomeText(pass));
        if (task.hasPointB && !endsOnPointB(pass, task))
            return QStringLiteral("%1: Шагайка не в точке Б, а в (%2,%3)")
                .arg(passPlaceText(pass), QString::number(pass.executor.column),
                     QString::number(pass.executor.row));
    }
    return {};
}
