#pragma once

#include <QStyledItemDelegate>

// Gives every row of a list the same height, whatever the font's own line height.
class FixedRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    FixedRowDelegate(int rowHeight, QObject *parent = nullptr);

    int rowHeight() const { return m_rowHeight; }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_rowHeight;
};
