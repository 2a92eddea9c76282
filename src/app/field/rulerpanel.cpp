#include "app/field/rulerpanel.h"

#include "display/fieldgeometry.h"

#include <QFontMetrics>
#include <QLabel>

RulerPanel::RulerPanel(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    for (int i = 0; i < labelCount; ++i) {
        auto *label = new QLabel(QString::number(i), this);
        label->setObjectName(QStringLiteral("ruler%1").arg(i));
        m_labels.append(label);
    }
}

void RulerPanel::build(int layoutUnit, int length)
{
    const int thickness = qMax(1, layoutUnit - 2);
    QFont rulerFont(QStringLiteral("Arial"));
    rulerFont.setPixelSize(qMax(1, layoutUnit));
    // The row numbers stand in a margin narrower than two digits of the layout unit's
    // height: there the digits are narrowed until "15" fits, so no number is cut.
    if (m_orientation == Qt::Vertical) {
        const int widest = QFontMetrics(rulerFont).horizontalAdvance(QString::number(labelCount - 1));
        if (widest > thickness)
            rulerFont.setStretch(qMax(int(QFont::UltraCondensed), 100 * thickness / widest));
    }
    setFont(rulerFont);
    if (m_orientation == Qt::Horizontal)
        setGeometry(2, 2, length, thickness);
    else
        setGeometry(2, 2, thickness, length);
    for (QLabel *label : std::as_const(m_labels)) {
        label->adjustSize();
        label->move(0, 0);
    }
}

void RulerPanel::place(const FieldGeometry &geometry, int length)
{
    if (m_orientation == Qt::Horizontal)
        resize(length, height());
    else
        resize(width(), length);
    for (int i = 0; i < labelCount; ++i) {
        if (m_orientation == Qt::Horizontal)
            m_labels[i]->move(geometry.columnLabelLeft(i), 0);
        else
            m_labels[i]->move(0, geometry.rowLabelTop(i));
    }
}
