#include "world/run/breakablerow.h"

#include "editor/linekind.h"

bool isBreakableRow(const QStringList &lines, int row)
{
    if (row < 0 || row >= lines.size())
        return false;
    // The pass ends at the first line that is exactly "КОН", leading blanks and all.
    const int mainEnd = int(lines.indexOf(AlgorithmKeyword::end));
    if (mainEnd < 0 || row < mainEnd)
        return true;
    if (row == mainEnd)
        return false;
    for (int r = row; r > mainEnd; --r) {
        const LineKind kind = lineKind(lines[r]);
        if (kind == LineKind::ProcedureHead)
            return true;
        if (kind == LineKind::ProcedureEnd && r != row)
            return false;
    }
    return false;
}
