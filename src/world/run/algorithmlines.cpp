#include "world/run/algorithmlines.h"

#include <QHash>

namespace {

// The scans count only the heads whose condition can hold: a head with any other text is
// executed as one, but does not open a level for them.
bool isWallBranchHead(LineKind kind)
{
    return kind == LineKind::BranchIfWall || kind == LineKind::BranchIfNoWall;
}

bool isWallLoopHead(LineKind kind)
{
    return kind == LineKind::LoopIfWall || kind == LineKind::LoopIfNoWall;
}

} // namespace

AlgorithmLines::AlgorithmLines(const QStringList &lines)
{
    const size_t count = size_t(lines.size());
    m_kinds.reserve(count);
    m_mainEnd.reserve(count);
    m_callTargets.assign(count, -1);
    m_branchSkip.assign(count, notScanned);
    m_elseSkip.assign(count, notScanned);
    m_loopSkip.assign(count, notScanned);
    m_procedureEnd.assign(count, notScanned);

    // The first description of each name wins.
    QHash<QString, int> procedures;
    for (int row = 0; row < lines.size(); ++row) {
        const LineKind kind = lineKind(lines[row]);
        m_kinds.push_back(kind);
        m_mainEnd.push_back(lines[row] == AlgorithmKeyword::end);
        if (kind == LineKind::ProcedureHead) {
            const QString name = procedureHeadName(lines[row]);
            if (!procedures.contains(name))
                procedures.insert(name, row);
        }
    }
    for (int row = 0; row < lines.size(); ++row) {
        if (m_kinds[size_t(row)] == LineKind::Call)
            m_callTargets[size_t(row)] = procedures.value(callName(lines[row]), -1);
    }
}

int AlgorithmLines::branchSkipEnd(int head)
{
    int &cached = m_branchSkip[size_t(head)];
    if (cached == notScanned)
        cached = scanBranchSkip(head + 2);
    return cached;
}

int AlgorithmLines::elseSkipEnd(int elseRow)
{
    int &cached = m_elseSkip[size_t(elseRow)];
    if (cached == notScanned)
        cached = scanElseSkip(elseRow + 1);
    return cached;
}

int AlgorithmLines::loopSkipEnd(int head)
{
    int &cached = m_loopSkip[size_t(head)];
    if (cached == notScanned)
        cached = scanLoopSkip(head + 2);
    return cached;
}

int AlgorithmLines::procedureEnd(int head)
{
    int &cached = m_procedureEnd[size_t(head)];
    if (cached == notScanned)
        cached = scanProcedureEnd(head + 1);
    return cached;
}

int AlgorithmLines::scanBranchSkip(int from) const
{
    int depth = 1;
    for (int row = from; row < count(); ++row) {
        const LineKind k = kind(row);
        if (isWallBranchHead(k))
            ++depth;
        if ((k == LineKind::Else || k == LineKind::BranchEnd) && depth == 1)
            return row;
        if (k == LineKind::BranchEnd)
            --depth;
    }
    return missing;
}

int AlgorithmLines::scanElseSkip(int from) const
{
    int depth = 1;
    for (int row = from; row < count(); ++row) {
        const LineKind k = kind(row);
        if (isWallBranchHead(k))
            ++depth;
        if (k == LineKind::BranchEnd) {
            if (depth == 1)
                return row;
            --depth;
        }
    }
    return missing;
}

int AlgorithmLines::scanLoopSkip(int from) const
{
    int depth = 1;
    for (int row = from; row < count(); ++row) {
        const LineKind k = kind(row);
        if (k == LineKind::LoopEnd && --depth == 0)
            return row;
        if (isWallLoopHead(k))
            ++depth;
    }
    return missing;
}

int AlgorithmLines::scanProcedureEnd(int from) const
{
    for (int row = from; row < count(); ++row) {
        if (kind(row) == LineKind::ProcedureEnd)
            return row;
    }
    return missing;
}
