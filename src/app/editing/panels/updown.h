#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Two small arrow buttons tied to an edit: each click (or the Up and Down keys in the
// edit) steps the number in the edit by one between 0 and the upper limit, without
// wrapping. The edit itself takes any text; a number outside the limits is brought
// inside by the next step, text that is no number counts as 0.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QLineEdit *buddy, QWidget *parent = nullptr);

    void setMaximum(int maximum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stepBy(int steps);

    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    QLineEdit *m_buddy;
    int m_maximum = 11;
};
