#include "app/work/taskstatementpanel.h"

#include "app/common/fixedrowdelegate.h"

#include <QLabel>
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

    LabelTsk = new QLabel(QStringLiteral("Задача"), this);
    LabelTsk->setObjectName(QStringLiteral("LabelTsk"));
    LabelTsk->move(16, 16);
    LabelTsk->adjustSize();

    lstTsk = new QListWidget(this);
    lstTsk->setObjectName(QStringLiteral("lstTsk"));
    lstTsk->setGeometry(72, 8, 609, 33);
    lstTsk->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // One statement line per row: a horizontal scroll bar would leave room for one row only,
    // so a line too long for the width ends in an ellipsis and shows whole as its tooltip.
    lstTsk->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTsk->setWordWrap(false);
    lstTsk->setTextElideMode(Qt::ElideRight);
    lstTsk->setUniformItemSizes(true);
    // The rows share the list's height evenly and it scrolls by whole rows, so no row is
    // ever cut in half.
    const int rowSpace = lstTsk->contentsRect().height();
    const int rows = std::max(1, rowSpace / lstTsk->fontMetrics().height());
    lstTsk->setItemDelegate(new FixedRowDelegate(rowSpace / rows, lstTsk));
    lstTsk->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The statement is only read: scrolled by the wheel or the bar, it never takes the focus
    // left by a control that was disabled, and shows no focus frame on a row.
    lstTsk->setFocusPolicy(Qt::NoFocus);
}

void TaskStatementPanel::setStatement(const QStringList &lines)
{
    lstTsk->clear();
    lstTsk->addItems(lines);
    for (int row = 0; row < lstTsk->count(); ++row)
        lstTsk->item(row)->setToolTip(lines.at(row));
}
