#include "app/common/fixedrowdelegate.h"

FixedRowDelegate::FixedRowDelegate(int rowHeight, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_rowHeight(rowHeight)
{
}

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_rowHeight};
}
