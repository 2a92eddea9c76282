#pragma once

#include <QWidget>

class Breakpoints;
class QAbstractItemView;
class QMenu;

// The narrow strip at the left of the algorithm list that shows the breakpoints as red
// dots, level with their lines. A click beside a line sets or clears its breakpoint; the
// right button offers the same and "Выполнить до курсора" for that line. The strip is a
// control of its own, not part of the list, so that it works while the list is disabled
// (in "Отладка").
class BreakpointMargin : public QWidget
{
    Q_OBJECT

public:
    BreakpointMargin(QAbstractItemView &list, Breakpoints &breakpoints, QWidget *parent = nullptr);

    // The strip's height between the list's rows, in its own coordinates: the centre of `row`.
    QPoint rowCentre(int row) const;
    int rowAt(int y) const;

    QMenu *menu() const { return m_menu; }
    // "Выполнить до курсора" is offered only where a run can start or go on.
    void setRunToOffered(bool offered) { m_runToOffered = offered; }

signals:
    void runToRowRequested(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QRect rowRect(int row) const;

    QAbstractItemView &m_list;
    Breakpoints &m_breakpoints;
    QMenu *m_menu = nullptr;
    QAction *m_toggleItem = nullptr;
    QAction *m_runToItem = nullptr;
    int m_menuRow = -1;
    bool m_runToOffered = false;
};
