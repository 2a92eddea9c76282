#include "app/field/fieldpanel.h"

#include "app/common/hint.h"
#include "app/field/fieldview.h"
#include "app/field/rulerpanel.h"
#include "display/fieldgeometry.h"

#include <QAccessible>

FieldPanel::FieldPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnl1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Hint::apply(this, QStringLiteral("Рабочее поле для Шагайки | Рабочее поле для Шагайки "));

    m_columns = new RulerPanel(Qt::Horizontal, this);
    m_columns->setObjectName(QStringLiteral("PanelX"));
    m_rows = new RulerPanel(Qt::Vertical, this);
    m_rows->setObjectName(QStringLiteral("PanelY"));

    m_fieldArea = new QWidget(this);
    m_fieldArea->setObjectName(QStringLiteral("pnlMain"));
    m_view = new FieldView(m_fieldArea);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &FieldPanel::menuRequested);
}

void FieldPanel::setLayoutUnit(int m)
{
    resize(52 * m, 52 * m);
    m_fieldArea->setGeometry(m, m, 50 * m, 50 * m);
    m_view->setGeometry(0, 0, 50 * m, 50 * m);
    m_columns->build(m, m_fieldArea->width() + 2 * m);
    m_rows->build(m, m_fieldArea->height());
}

void FieldPanel::setFieldGeometry(const FieldGeometry &geometry)
{
    const int side = geometry.pictureWidth();
    m_view->setGeometry(0, 0, side, side);
    m_fieldArea->resize(side, side);
    m_columns->place(geometry, m_fieldArea->width());
    m_rows->place(geometry, m_fieldArea->height());
}

void FieldPanel::showPicture(const QImage *picture)
{
    m_view->setPicture(picture);
}

void FieldPanel::refresh()
{
    m_view->refresh();
}

void FieldPanel::refresh(const QRect &changed)
{
    m_view->refresh(changed);
}

QPoint FieldPanel::fieldToGlobal(QPoint fieldPosition) const
{
    return m_view->mapToGlobal(fieldPosition);
}

void FieldPanel::setFieldDescription(const QString &description)
{
    if (m_view->accessibleDescription() == description)
        return;
    m_view->setAccessibleDescription(description);
    // Said aloud by a screen reader that follows the field.
    QAccessibleEvent changed(m_view, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void FieldPanel::setHighContrast(bool on)
{
    m_view->setHighContrast(on);
}
