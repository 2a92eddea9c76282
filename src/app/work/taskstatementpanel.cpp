#include "app/work/taskstatementpanel.h"

#include "app/common/fixedlabel.h"
#include "app/common/fixedrowdelegate.h"

#include <QListWidget>

#include <algorithm>

TaskStatementPanel::TaskStatementPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlTskNew"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    resize(777, 49);

    addFixedLabel(this, QStringLiteral("LabelTsk"), QStringLiteral("Задача"), QPoint(16, 16));

    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("lstTsk"));
    m_lines->setGeometry(72, 8, 609, 33);
    m_lines->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // One statement line per row: a horizontal scroll bar would leave room for one row only,
    // so a line too long for the width ends in an ellipsis and shows whole as its tooltip.
    m_lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lines->setWordWrap(false);
    m_lines->setTextElideMode(Qt::ElideRight);
    m_lines->setUniformItemSizes(true);
    // The rows share the list's height evenly and it scrolls by whole rows, so no row is
    // ever cut in half.
    const int rowSpace = m_lines->contentsRect().height();
    const int rows = std::max(1, rowSpace / m_lines->fontMetrics().height());
    m_lines->setItemDelegate(new FixedRowDelegate(rowSpace / rows, m_lines));
    m_lines->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The statement is only read: scrolled by the wheel or the bar, it never takes the focus
    // left by a control that was disabled, and shows no focus frame on a row.
    m_lines->setFocusPolicy(Qt::NoFocus);
}

void TaskStatementPanel::setStatement(const QStringList &lines)
{
    m_lines->clear();
    m_lines->addItems(lines);
    for (int row = 0; row < m_lines->count(); ++row)
        m_lines->item(row)->setToolTip(lines.at(row));
}
