#include "app/editing/algorithmlistview.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

AlgorithmListView::AlgorithmListView(QWidget *parent)
    : QListView(parent)
{
    // The editor scrolls by setting the top row.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void AlgorithmListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit deleteKeyPressed();
        return;
    }
    // Shift+F10 stands for the Menu key, which many laptops lack; the window system turns only
    // the latter into a context menu request, so this one is made here the same way.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        const QPoint at = inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, at, mapToGlobal(at), event->modifiers());
        QCoreApplication::sendEvent(this, &menuEvent);
        return;
    }
    const int before = currentIndex().row();
    QListView::keyPressEvent(event);
    const int after = currentIndex().row();
    if (after >= 0 && after != before)
        emit rowSelectedByPupil(after);
}

void AlgorithmListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    const bool onRow = indexAt(event->position().toPoint()).isValid();
    m_leftPressOnRow = event->button() == Qt::LeftButton && onRow;
    // Below the last line the view would drop the bar while the insertion still goes to the
    // current line: the click only takes the keys.
    if (!onRow) {
        event->accept();
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QListView::mousePressEvent(event);
}

void AlgorithmListView::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftPressOnRow)
        return;
    m_leftPressOnRow = false;
    const int row = currentIndex().row();
    if (row >= 0)
        emit rowSelectedByPupil(row);
}

void AlgorithmListView::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    emit contextMenuRequested(event->globalPos());
}

void AlgorithmListView::focusInEvent(QFocusEvent *event)
{
    // An item view makes its first row current when it gets the focus without one; a
    // text loaded with no line selected must stay so, and the title is no place to insert.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void AlgorithmListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    // The selection looks the same whether or not the list has the keys; a pupil who works
    // without the mouse must see where the arrows and Delete go.
    if (!hasFocus() || !currentIndex().isValid())
        return;
    const QRect row = visualRect(currentIndex()).adjusted(0, 0, -1, -1);
    QPainter painter(viewport());
    const bool selected = selectionModel()->isSelected(currentIndex());
    painter.setPen(
        QPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(row.adjusted(1, 1, -1, -1));
}
