#include "editor/algorithmtext.h"

#include "editor/algorithmline.h"

#include <algorithm>

AlgorithmText::AlgorithmText(QObject *parent)
    : QAbstractListModel(parent)
{
}

int AlgorithmText::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant AlgorithmText::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || !isValidRow(index.row()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_lines.at(index.row());
    return {};
}

void AlgorithmText::setLines(const QStringList &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
    changeCurrentRow(-1);
}

void AlgorithmText::insertLines(int row, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    row = std::clamp(row, 0, count());
    const int added = int(lines.size());
    beginInsertRows(QModelIndex(), row, row + added - 1);
    for (int i = 0; i < added; ++i)
        m_lines.insert(row + i, lines.at(i));
    endInsertRows();
    if (m_currentRow >= row)
        changeCurrentRow(m_currentRow + added);
}

void AlgorithmText::removeLines(int row, int count)
{
    const int first = std::max(row, 0);
    const int end = std::min(row + std::max(count, 0), this->count());
    if (first >= end)
        return;
    beginRemoveRows(QModelIndex(), first, end - 1);
    m_lines.remove(first, end - first);
    endRemoveRows();
    if (m_currentRow >= end)
        changeCurrentRow(m_currentRow - (end - first));
    else if (m_currentRow >= first)
        changeCurrentRow(first < this->count() ? first : -1);
}

void AlgorithmText::setCurrentRow(int row)
{
    changeCurrentRow(isValidRow(row) ? row : -1);
}

QString AlgorithmText::currentLine() const
{
    return hasCurrentLine() ? m_lines.at(m_currentRow) : QString();
}

void AlgorithmText::changeCurrentRow(int row)
{
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

void buildAlgorithmSkeleton(AlgorithmText &text, bool hasPointB)
{
    text.setLines(algorithmSkeleton(hasPointB));
    text.setCurrentRow(skeletonFirstBodyRow);
}
