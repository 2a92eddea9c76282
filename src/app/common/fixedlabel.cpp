#include "app/common/fixedlabel.h"

#include <QLabel>

QLabel *addFixedLabel(QWidget *parent, const QString &name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}
