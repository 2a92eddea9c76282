#include "session/breakpoints.h"

#include "editor/algorithmtext.h"
#include "world/run/breakablerow.h"

#include <algorithm>

Breakpoints::Breakpoints(AlgorithmText &text, QObject *parent)
    : QObject(parent)
    , m_text(text)
{
    connect(&text, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { linesInserted(first, last); });
    connect(&text, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) { linesRemoved(first, last); });
    connect(&text, &QAbstractItemModel::modelReset, this, &Breakpoints::clear);
}

bool Breakpoints::canHold(int row) const
{
    return isBreakableRow(m_text.lines(), row);
}

void Breakpoints::toggle(int row)
{
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    if (at != m_rows.end() && *at == row)
        m_rows.erase(at);
    else if (canHold(row))
        m_rows.insert(at, row);
    else
        return;
    emit changed();
}

void Breakpoints::linesInserted(int first, int last)
{
    const int added = last - first + 1;
    bool moved = false;
    for (int &row : m_rows) {
        if (row >= first) {
            row += added;
            moved = true;
        }
    }
    if (moved)
        emit changed();
}

void Breakpoints::linesRemoved(int first, int last)
{
    const int removed = last - first + 1;
    QList<int> kept;
    for (const int row : std::as_const(m_rows)) {
        if (row < first)
            kept << row;
        else if (row > last)
            kept << row - removed;
    }
    if (kept == m_rows)
        return;
    m_rows = kept;
    emit changed();
}

void Breakpoints::clear()
{
    if (m_rows.isEmpty())
        return;
    m_rows.clear();
    emit changed();
}
