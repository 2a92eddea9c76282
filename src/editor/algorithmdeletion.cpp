#include "editor/algorithmdeletion.h"

#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "editor/contextmenustate.h"
#include "editor/procedurename.h"

namespace {

EditOutcome recountOnly()
{
    EditOutcome outcome;
    outcome.statistics = StatisticsUpdate::Recount;
    return outcome;
}

bool opensBranch(LineKind kind)
{
    return isBranchHead(kind);
}

bool closesBranch(LineKind kind)
{
    return kind == LineKind::BranchEnd;
}

bool opensLoop(LineKind kind)
{
    return isLoopHead(kind);
}

bool closesLoop(LineKind kind)
{
    return kind == LineKind::LoopEnd;
}

bool closesProcedure(LineKind kind)
{
    return kind == LineKind::ProcedureEnd;
}

bool never(LineKind)
{
    return false;
}

} // namespace

AlgorithmDeletion::AlgorithmDeletion(AlgorithmText &text, QStringList &procedureNames)
    : m_text(text)
    , m_procedureNames(procedureNames)
{
}

template<typename Opens, typename Closes>
bool AlgorithmDeletion::deleteUnit(int row, Opens opens, Closes closes, bool deleteCloser)
{
    int depth = 1;
    do {
        m_text.removeLines(row, 1);
        if (!m_text.isValidRow(row))
            return false;
        const LineKind kind = lineKind(m_text.line(row));
        if (opens(kind))
            ++depth;
        else if (closes(kind))
            --depth;
    } while (depth > 0);
    if (deleteCloser)
        m_text.removeLines(row, 1);
    return true;
}

EditOutcome AlgorithmDeletion::reselect(int row, bool closerFound)
{
    if (!closerFound && !m_text.isEmpty()) {
        m_text.setCurrentRow(m_text.count() - 1);
    } else {
        // The text always keeps a line to select.
        if (row >= m_text.count())
            m_text.appendLines({QString()});
        m_text.setCurrentRow(row);
    }
    EditOutcome outcome = recountOnly();
    outcome.changed = true;
    return outcome;
}

EditOutcome AlgorithmDeletion::deleteLine()
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    m_text.removeLines(i, 1);
    return reselect(i, true);
}

EditOutcome AlgorithmDeletion::deleteSimpleLine()
{
    if (!m_text.hasCurrentLine() || !isSimpleLine(m_text.currentLine()))
        return {};
    return deleteLine();
}

EditOutcome AlgorithmDeletion::deleteConstruct()
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    const QString head = m_text.currentLine();
    // Only openers and closers of the construct's own kind count: a loop inside a
    // branch goes with it as ordinary lines, and so does a branch inside a loop.
    if (isBranchHead(head))
        return reselect(i, deleteUnit(i, opensBranch, closesBranch, true));
    if (isLoopHead(head))
        return reselect(i, deleteUnit(i, opensLoop, closesLoop, true));
    return recountOnly();
}

EditOutcome AlgorithmDeletion::deleteElseBranch()
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    if (lineKind(m_text.currentLine()) != LineKind::Else)
        return recountOnly();
    // The branch keeps its "ВСЁ", which becomes current.
    return reselect(i, deleteUnit(i, opensBranch, closesBranch, false));
}

EditOutcome AlgorithmDeletion::deleteProcedure()
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    const QString head = m_text.currentLine();
    if (!isProcedureHead(head))
        return recountOnly();
    const QString name = procedureHeadName(head);
    if (isProcedureCalled(m_text.lines(), name)) {
        EditOutcome refused;
        refused.message = procedureStillCalledMessage();
        return refused;
    }
    m_procedureNames.removeOne(name);
    // Descriptions never nest, so the first end line closes this one.
    EditOutcome outcome = reselect(i, deleteUnit(i, never, closesProcedure, true));
    outcome.procedureNamesChanged = true;
    return outcome;
}

EditOutcome AlgorithmDeletion::deleteWholeAlgorithm(bool hasPointB)
{
    // Needs no current line: it is the way back to a sound text from any loaded file.
    buildAlgorithmSkeleton(m_text, hasPointB);
    m_procedureNames.clear();
    EditOutcome outcome;
    outcome.changed = true;
    outcome.statistics = StatisticsUpdate::Reset;
    outcome.procedureNamesChanged = true;
    return outcome;
}
