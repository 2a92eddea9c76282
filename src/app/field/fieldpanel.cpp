#include "app/field/fieldpanel.h"

#include "app/common/hint.h"
#include "app/field/fieldview.h"
#include "app/field/rulerpanel.h"
#include "display/fieldgeometry.h"

FieldPanel::FieldPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnl1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Hint::apply(this, QStringLiteral("Рабочее поле для Шагайки | Рабочее поле для Шагайки "));

    PanelX = new RulerPanel(Qt::Horizontal, this);
    PanelX->setObjectName(QStringLiteral("PanelX"));
    PanelY = new RulerPanel(Qt::Vertical, this);
    PanelY->setObjectName(QStringLiteral("PanelY"));

    pnlMain = new QWidget(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    PaintImage = new FieldView(pnlMain);
}

void FieldPanel::setLayoutUnit(int m)
{
    resize(52 * m, 52 * m);
    pnlMain->setGeometry(m, m, 50 * m, 50 * m);
    PaintImage->setGeometry(0, 0, 50 * m, 50 * m);
    PanelX->build(m, pnlMain->width() + 2 * m);
    PanelY->build(m, pnlMain->height());
}

void FieldPanel::setFieldGeometry(const FieldGeometry &geometry)
{
    const int side = geometry.pictureWidth();
    PaintImage->setGeometry(0, 0, side, side);
    pnlMain->resize(side, side);
    PanelX->place(geometry, pnlMain->width());
    PanelY->place(geometry, pnlMain->height());
}
