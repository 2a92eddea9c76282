#pragma once

#include "editor/linekind.h"

#include <QStringList>

#include <vector>

// The algorithm's lines as the interpreter sees them: each line's kind, and the answers of
// the forward scans from every line, all decided once when the text is read. The text does
// not change during a run, so a skip over a structure costs the same however long it is.
// Lines of the kinds that are no statement (the header, НАЧ, ТО, НЦ, comments, blank
// lines, anything else) do nothing when executed.
class AlgorithmLines
{
public:
    // A scan's answer when it runs past the last line.
    static constexpr int missing = -1;

    explicit AlgorithmLines(const QStringList &lines);

    int count() const { return int(m_kinds.size()); }
    LineKind kind(int row) const { return m_kinds[size_t(row)]; }
    // Is the whole line, leading blanks included, exactly "КОН"?
    bool isMainEnd(int row) const { return m_mainEnd[size_t(row)]; }
    // For a call line: the first procedure head with the called name, or -1.
    int callTarget(int row) const { return m_callTargets[size_t(row)]; }

    // From row `head` + 2 of a branch whose condition does not hold: the first "ИНАЧЕ" or
    // "ВСЁ" of that branch (nested branch heads raise the depth, "ВСЁ" lowers it).
    int branchSkipEnd(int head) const { return m_branchSkip[size_t(head)]; }
    // From the line after an "ИНАЧЕ" met in a then part: the "ВСЁ" that closes the branch.
    int elseSkipEnd(int elseRow) const { return m_elseSkip[size_t(elseRow)]; }
    // From row `head` + 2 of a loop: its matching "КЦ".
    int loopSkipEnd(int head) const { return m_loopSkip[size_t(head)]; }
    // From the line after a procedure head: the first "КОНЕЦ ПРОЦЕДУРЫ".
    int procedureEnd(int head) const { return m_procedureEnd[size_t(head)]; }

private:
    void resolveScans();

    std::vector<LineKind> m_kinds;
    std::vector<bool> m_mainEnd;
    std::vector<int> m_callTargets;
    std::vector<int> m_branchSkip;
    std::vector<int> m_elseSkip;
    std::vector<int> m_loopSkip;
    std::vector<int> m_procedureEnd;
};
