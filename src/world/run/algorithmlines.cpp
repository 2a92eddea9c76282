#include "world/run/algorithmlines.h"

#include <QHash>

#include <algorithm>

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
    resolveScans();
}

// Every scan of the text, answered for every start line in one backward sweep.
//
// A scan from line s keeps a depth that starts at 1; the heads it counts raise it and the
// closing lines it passes lower it, and it ends at the first closing line met at depth 1.
// With level(x) the counted heads minus the closing lines before line x, the depth at line t
// is 1 + level(t) - level(s), so the scan ends at the first closing line t >= s whose level
// equals level(s). Sweeping upwards and remembering, for each level, the nearest such line
// below answers every start at once.
void AlgorithmLines::resolveScans()
{
    const int lines = count();
    m_branchSkip.assign(size_t(lines), missing);
    m_elseSkip.assign(size_t(lines), missing);
    m_loopSkip.assign(size_t(lines), missing);
    m_procedureEnd.assign(size_t(lines), missing);

    const auto branchChange = [](LineKind k) {
        return isWallBranchHead(k) ? 1 : k == LineKind::BranchEnd ? -1 : 0;
    };
    const auto loopChange = [](LineKind k) {
        return isWallLoopHead(k) ? 1 : k == LineKind::LoopEnd ? -1 : 0;
    };

    // The levels after the last line, and the lowest and highest level met on the way.
    int branchLevel = 0;
    int loopLevel = 0;
    int lowest = 0;
    int highest = 0;
    for (const LineKind k : m_kinds) {
        branchLevel += branchChange(k);
        loopLevel += loopChange(k);
        lowest = std::min({lowest, branchLevel, loopLevel});
        highest = std::max({highest, branchLevel, loopLevel});
    }

    // For each level (offset by `lowest`), the nearest line at or below the sweep that ends a scan.
    const size_t levels = size_t(highest - lowest + 1);
    std::vector<int> branchStop(levels, missing);  // "ИНАЧЕ" or "ВСЁ"
    std::vector<int> branchClose(levels, missing); // "ВСЁ"
    std::vector<int> loopClose(levels, missing);   // "КЦ"
    int procedureClose = missing;

    for (int row = lines - 1; row >= 0; --row) {
        const LineKind k = m_kinds[size_t(row)];
        branchLevel -= branchChange(k);
        loopLevel -= loopChange(k);
        const size_t branchSlot = size_t(branchLevel - lowest);
        const size_t loopSlot = size_t(loopLevel - lowest);
        if (k == LineKind::Else || k == LineKind::BranchEnd)
            branchStop[branchSlot] = row;
        if (k == LineKind::BranchEnd)
            branchClose[branchSlot] = row;
        if (k == LineKind::LoopEnd)
            loopClose[loopSlot] = row;
        if (k == LineKind::ProcedureEnd)
            procedureClose = row;
        // The scans that start on this line: those of the heads two lines up and of the
        // lines one up.
        if (row >= 2) {
            m_branchSkip[size_t(row - 2)] = branchStop[branchSlot];
            m_loopSkip[size_t(row - 2)] = loopClose[loopSlot];
        }
        if (row >= 1) {
            m_elseSkip[size_t(row - 1)] = branchClose[branchSlot];
            m_procedureEnd[size_t(row - 1)] = procedureClose;
        }
    }
}
