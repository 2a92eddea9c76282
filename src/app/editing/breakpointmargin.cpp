#include "app/editing/breakpointmargin.h"

#include "app/common/hint.h"
#include "session/breakpoints.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

BreakpointMargin::BreakpointMargin(QAbstractItemView &list, Breakpoints &breakpoints, QWidget *parent)
    : QWidget(parent)
    , m_list(list)
    , m_breakpoints(breakpoints)
{
    setObjectName(QStringLiteral("lstComBreakpoints"));
    Hint::apply(this,
                QStringLiteral("Точки останова | Щелкните слева от строки алгоритма, чтобы поставить "
                               "или снять точку останова"));
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("BreakpointMenu"));
    m_toggleItem = m_menu->addAction(QStringLiteral("Точка останова"));
    m_toggleItem->setObjectName(QStringLiteral("NBreakpointToggle"));
    m_toggleItem->setCheckable(true);
    m_runToItem = m_menu->addAction(QStringLiteral("Выполнить до курсора"));
    m_runToItem->setObjectName(QStringLiteral("NRunToCursor"));
    connect(m_toggleItem, &QAction::triggered, this, [this] { m_breakpoints.toggle(m_menuRow); });
    connect(m_runToItem, &QAction::triggered, this, [this] { emit runToRowRequested(m_menuRow); });

    connect(&breakpoints, &Breakpoints::changed, this, qOverload<>(&QWidget::update));
    // A run scrolls the list line by line: with no dot to move, the strip stays as it is.
    auto repaint = [this] {
        if (!m_breakpoints.rows().isEmpty())
            update();
    };
    connect(list.verticalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    if (QAbstractItemModel *model = list.model()) {
        connect(model, &QAbstractItemModel::rowsInserted, this, repaint);
        connect(model, &QAbstractItemModel::rowsRemoved, this, repaint);
        connect(model, &QAbstractItemModel::modelReset, this, repaint);
    }
}

QRect BreakpointMargin::rowRect(int row) const
{
    const QModelIndex index = m_list.model() ? m_list.model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return {};
    const QRect inList = m_list.visualRect(index);
    const QWidget *viewport = m_list.viewport();
    // Rows scrolled out of the list's sight have no place in the strip either.
    if (!inList.intersects(viewport->rect()))
        return {};
    const QPoint top = mapFromGlobal(viewport->mapToGlobal(inList.topLeft()));
    return {0, top.y(), width(), inList.height()};
}

QPoint BreakpointMargin::rowCentre(int row) const
{
    return rowRect(row).center();
}

int BreakpointMargin::rowAt(int y) const
{
    const QPoint inViewport = m_list.viewport()->mapFromGlobal(mapToGlobal(QPoint(0, y)));
    if (inViewport.y() < 0 || inViewport.y() >= m_list.viewport()->height())
        return -1;
    return m_list.indexAt(QPoint(1, inViewport.y())).row();
}

void BreakpointMargin::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor dot = isEnabled() ? QColor(210, 20, 20) : QColor(200, 120, 120);
    painter.setPen(QPen(dot.darker(150), 1));
    painter.setBrush(dot);
    const double diameter = qMin(width() - 2, 9);
    for (const int row : m_breakpoints.rows()) {
        if (rowRect(row).isEmpty())
            continue;
        painter.drawEllipse(QPointF(rowCentre(row)), diameter / 2, diameter / 2);
    }
}

void BreakpointMargin::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0)
        m_breakpoints.toggle(row);
}

void BreakpointMargin::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    m_menuRow = rowAt(event->pos().y());
    if (m_menuRow < 0)
        return;
    m_toggleItem->setEnabled(m_breakpoints.canHold(m_menuRow));
    m_toggleItem->setChecked(m_breakpoints.contains(m_menuRow));
    m_runToItem->setEnabled(m_runToOffered && m_breakpoints.canHold(m_menuRow));
    m_menu->popup(event->globalPos());
}
