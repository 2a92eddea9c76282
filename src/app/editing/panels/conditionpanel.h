#pragma once

#include "app/common/focusreturn.h"
#include "editor/algorithminsertion.h"

#include <QFrame>

class QPushButton;

// The small panel that asks for the condition of a new branch or loop: a button for
// "впереди стена" and one for "впереди НЕ стена". It opens level with the command
// button that called it, with the focus on the positive condition, and Esc on either
// button hides it, handing the focus back to the control that had it.
class ConditionPanel : public QFrame
{
    Q_OBJECT

public:
    struct ButtonText
    {
        QString name;
        QString caption;
        QString hint;
    };

    ConditionPanel(const QString &name, const ButtonText &positive, const ButtonText &negative,
                   QWidget *parent = nullptr);

    // PanelIf and PanelWhile as the work window shows them.
    static ConditionPanel *createIfPanel(QWidget *parent);
    static ConditionPanel *createWhilePanel(QWidget *parent);

    // Shows the panel with its top left corner there (right of the command panel, level
    // with the pressed button), its first button focused.
    void openAt(const QPoint &topLeft);

signals:
    void conditionChosen(WallCondition condition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPushButton *addButton(const ButtonText &text, int top, WallCondition condition);

    QPushButton *m_positive = nullptr;
    QPushButton *m_negative = nullptr;
    FocusReturn m_focusReturn;
};
