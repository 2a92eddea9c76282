#include "app/work/taskstatementpanel.h"

#include <QLabel>
#include <QListWidget>

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
    // A long statement line wraps: a horizontal scroll bar would leave room for one row only.
    lstTsk->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTsk->setWordWrap(true);
    lstTsk->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void TaskStatementPanel::setStatement(const QStringList &lines)
{
    lstTsk->clear();
    lstTsk->addItems(lines);
}
