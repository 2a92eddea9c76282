#pragma once

#include <QListView>

// The algorithm list. It tells apart the pupil's own changes of the selection (a click
// on a row, also on the one already selected, or a move with the keyboard) from the
// selection that an operation sets, because only the former pass through the
// selection rule. A right click opens the context menu without selecting the row
// under the mouse; the Menu key and Shift+F10 open it at the selected row. While it has the keys, a dotted frame inside the current row shows it.
class AlgorithmListView : public QListView
{
    Q_OBJECT

public:
    explicit AlgorithmListView(QWidget *parent = nullptr);

signals:
    void rowSelectedByPupil(int row);
    void deleteKeyPressed();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_leftPressOnRow = false;
};
