#include "judge/verdictrule.h"

const TestPass *matchingPass(const QList<TestPass> &passes, const TestPass &pass)
{
    for (const TestPass &candidate : passes) {
        if (candidate.fieldSize == pass.fieldSize && candidate.arrangement == pass.arrangement)
            return &candidate;
    }
    return nullptr;
}

bool endsOnPointB(const TestPass &pass, const TaskData &task)
{
    const CellPosition pointB = task.size(pass.fieldSize).pointB;
    return pass.executor.column == pointB.column && pass.executor.row == pointB.row;
}

void judgePasses(QList<TestPass> &passes, const TaskData &task, const QList<TestPass> &reference)
{
    for (TestPass &pass : passes) {
        const bool completed = pass.end == RunEnd::Complete;
        if (task.hasPointB) {
            pass.isCorrect = completed && endsOnPointB(pass, task);
            continue;
        }
        const TestPass *model = matchingPass(reference, pass);
        const QList<CellEdge> wanted = model ? drawnEdges(model->trace) : QList<CellEdge>{};
        const QList<CellEdge> drawn = drawnEdges(pass.trace);
        pass.missing = edgesNotIn(wanted, drawn);
        pass.extra = edgesNotIn(drawn, wanted);
        pass.isCorrect = completed && model && pass.missing.isEmpty() && pass.extra.isEmpty();
    }
}
