#pragma once

#include "app/editing/panels/panelcommand.h"
#include "editor/algorithminsertion.h"

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

    // The labels and buttons, for the stages that enable them.
    QList<QWidget *> controls() const;
    // While the procedure panel is open for a description the call button rests, and the
    // other way round; ProcedurePanelMode::None (the panel closed) enables both.
    void showProcedurePanelMode(ProcedurePanelMode openedFor);
    void focusCommand(PanelCommand command);
    // The top of the command's button, in the panel.
    int commandTop(PanelCommand command) const;

signals:
    void commandChosen(PanelCommand command);

private:
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &geometry,
                           const QString &hint, PanelCommand command);
    // In the order of PanelCommand.
    QList<QPushButton *> buttons() const;
    QPushButton *button(PanelCommand command) const;

    QLabel *m_title1 = nullptr;
    QLabel *m_title2 = nullptr;
    QLabel *m_proceduresTitle = nullptr;
    QLabel *m_structuresTitle1 = nullptr;
    QLabel *m_structuresTitle2 = nullptr;
    QPushButton *m_step = nullptr;
    QPushButton *m_jump = nullptr;
    QPushButton *m_turn = nullptr;
    QPushButton *m_description = nullptr;
    QPushButton *m_call = nullptr;
    QPushButton *m_branch = nullptr;
    QPushButton *m_loop = nullptr;
};
