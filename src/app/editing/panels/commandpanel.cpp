#include "app/editing/panels/commandpanel.h"

#include "app/common/fixedlabel.h"
#include "app/common/hint.h"

#include <QLabel>
#include <QPushButton>

CommandPanel::CommandPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PPPanelSystCom"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    resize(121, 300);

    m_title1 = addFixedLabel(this, QStringLiteral("LabelPP1"), QStringLiteral("Система "), QPoint(27, 2));
    m_title2 = addFixedLabel(this, QStringLiteral("LabelPP2"), QStringLiteral("команд"), QPoint(31, 13));
    m_step =
        addButton(QStringLiteral("PPButtonStep"), QStringLiteral("ШАГ            F2"), QRect(9, 32, 96, 25),
                  QStringLiteral("ШАГ – перемещение \"Шагайки\" на один шаг вперёд с рисованием следа  "
                                 "| ШАГ – перемещение \"Шагайки\" на один шаг вперёд с рисованием следа"),
                  PanelCommand::Step);
    m_jump =
        addButton(QStringLiteral("PPButtonJump"), QStringLiteral("ПРЫЖОК   F3"), QRect(9, 56, 96, 25),
                  QStringLiteral("ПРЫЖОК – перемещение Шагайки на один шаг вперёд без рисования следа "
                                 "| ПРЫЖОК – перемещение Шагайки на один шаг вперёд без рисования следа"),
                  PanelCommand::Jump);
    m_turn = addButton(QStringLiteral("PPButtonTurn"), QStringLiteral("ПОВОРОТ   F4"), QRect(9, 80, 96, 25),
                       QStringLiteral("ПОВОРОТ – поворот на 90 градусов против часовой стрелки "
                                      "| ПОВОРОТ – поворот на 90 градусов против часовой стрелки"),
                       PanelCommand::Turn);
    m_proceduresTitle =
        addFixedLabel(this, QStringLiteral("LabelPP3"), QStringLiteral("Процедуры"), QPoint(25, 112));
    m_description =
        addButton(QStringLiteral("PPButtonProc"), QStringLiteral("ОПИСАНИЕ F5"), QRect(9, 136, 96, 25),
                  QStringLiteral("Вставить в алгоритм описание процедуры "
                                 "| Вставить в алгоритм описание процедуры"),
                  PanelCommand::Proc);
    m_call =
        addButton(QStringLiteral("PPButtonDoProc"), QStringLiteral("ВЫЗОВ        F6"), QRect(9, 160, 96, 25),
                  QStringLiteral("Вставить в алгоритм вызов процедуры "
                                 "| Вставить в алгоритм вызов процедуры"),
                  PanelCommand::DoProc);
    m_structuresTitle1 =
        addFixedLabel(this, QStringLiteral("LabelPP4"), QStringLiteral("Управляющие "), QPoint(17, 200));
    m_structuresTitle2 =
        addFixedLabel(this, QStringLiteral("LabelPP5"), QStringLiteral("структуры"), QPoint(25, 212));
    m_branch = addButton(QStringLiteral("PPButtonIf"), QStringLiteral("ВЕТВЛЕНИЕ  F7"), QRect(8, 234, 97, 24),
                         QStringLiteral("Вставить в алгоритм управляющую структуру \"Ветвление\" "
                                        "| Вставить в алгоритм управляющую структуру \"Ветвление\""),
                         PanelCommand::If);
    m_loop = addButton(QStringLiteral("PPButtonWhile"), QStringLiteral("ЦИКЛ            F8"),
                       QRect(8, 258, 97, 24),
                       QStringLiteral("Вставить в алгоритм управляющую структуру \"Цикл\" "
                                      "| Вставить в алгоритм управляющую структуру \"Цикл\""),
                       PanelCommand::While);
}

QList<QWidget *> CommandPanel::controls() const
{
    QList<QWidget *> all{m_title1, m_title2, m_proceduresTitle, m_structuresTitle1, m_structuresTitle2};
    for (QPushButton *button : buttons())
        all.append(button);
    return all;
}

void CommandPanel::showProcedurePanelMode(ProcedurePanelMode openedFor)
{
    m_description->setEnabled(openedFor != ProcedurePanelMode::Call);
    m_call->setEnabled(openedFor != ProcedurePanelMode::Description);
}

void CommandPanel::focusCommand(PanelCommand command)
{
    button(command)->setFocus(Qt::OtherFocusReason);
}

int CommandPanel::commandTop(PanelCommand command) const
{
    return button(command)->y();
}

QList<QPushButton *> CommandPanel::buttons() const
{
    return {m_step, m_jump, m_turn, m_description, m_call, m_branch, m_loop};
}

QPushButton *CommandPanel::button(PanelCommand command) const
{
    return buttons().at(int(command));
}

QPushButton *CommandPanel::addButton(const QString &name, const QString &caption, const QRect &geometry,
                                     const QString &hint, PanelCommand command)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    Hint::apply(button, hint);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandChosen(command); });
    return button;
}
