#pragma once

#include "app/editing/panels/panelcommand.h"

#include <QFrame>

class QLabel;
class QPushButton;

// The command panel: the three commands, the two procedure actions and the two control
// structures, each a button that says which function key does the same.
class CommandPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CommandPanel(QWidget *parent = nullptr);

    QLabel *LabelPP1 = nullptr;
    QLabel *LabelPP2 = nullptr;
    QLabel *LabelPP3 = nullptr;
    QLabel *LabelPP4 = nullptr;
    QLabel *LabelPP5 = nullptr;
    QPushButton *PPButtonStep = nullptr;
    QPushButton *PPButtonJump = nullptr;
    QPushButton *PPButtonTurn = nullptr;
    QPushButton *PPButtonProc = nullptr;
    QPushButton *PPButtonDoProc = nullptr;
    QPushButton *PPButtonIf = nullptr;
    QPushButton *PPButtonWhile = nullptr;

    QList<QLabel *> labels() const;
    QList<QPushButton *> buttons() const;
    QPushButton *button(PanelCommand command) const;

signals:
    void commandChosen(PanelCommand command);

private:
    QLabel *addLabel(const QString &name, const QString &text, QPoint at);
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &geometry,
                           const QString &hint, PanelCommand command);
};
