#include "tasks/check/reachability.h"

#include <QList>

#include <deque>
#include <vector>

bool isReachable(const World &world, CellPosition from, CellPosition to)
{
    const int n = world.fieldSize;
    const auto inside = [n](CellPosition cell) {
        return cell.column >= 0 && cell.column < n && cell.row >= 0 && cell.row < n;
    };
    if (!inside(from) || !inside(to))
        return false;

    std::vector<bool> seen(size_t(n * n), false);
    std::deque<CellPosition> queue{from};
    seen[size_t(from.row * n + from.column)] = true;
    World probe = world;
    while (!queue.empty()) {
        const CellPosition cell = queue.front();
        queue.pop_front();
        if (cell == to)
            return true;
        for (qint16 heading : {qint16(0), qint16(90), qint16(180), qint16(270)}) {
            probe.executor = {cell.column, cell.row, heading};
            if (wallAhead(probe))
                continue;
            const CellPosition next = cellAhead(probe.executor);
            const size_t index = size_t(next.row * n + next.column);
            if (!seen[index]) {
                seen[index] = true;
                queue.push_back(next);
            }
        }
    }
    return false;
}
