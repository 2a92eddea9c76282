#include "app/editing/panels/commandpanel.h"

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

    LabelPP1 = addLabel(QStringLiteral("LabelPP1"), QStringLiteral("Система "), QPoint(27, 2));
    LabelPP2 = addLabel(QStringLiteral("LabelPP2"), QStringLiteral("команд"), QPoint(31, 13));
    PPButtonStep =
        addButton(QStringLiteral("PPButtonStep"), QStringLiteral("ШАГ            F2"), QRect(9, 32, 96, 25),
                  QStringLiteral("ШАГ – перемещение \"Шагайки\" на один шаг вперёд с рисованием следа  "
                                 "| ШАГ – перемещение \"Шагайки\" на один шаг вперёд с рисованием следа"),
                  PanelCommand::Step);
    PPButtonJump =
        addButton(QStringLiteral("PPButtonJump"), QStringLiteral("ПРЫЖОК   F3"), QRect(9, 56, 96, 25),
                  QStringLiteral("ПРЫЖОК – перемещение Шагайки на один шаг вперёд без рисования следа "
                                 "| ПРЫЖОК – перемещение Шагайки на один шаг вперёд без рисования следа"),
                  PanelCommand::Jump);
    PPButtonTurn =
        addButton(QStringLiteral("PPButtonTurn"), QStringLiteral("ПОВОРОТ   F4"), QRect(9, 80, 96, 25),
                  QStringLiteral("ПОВОРОТ – поворот на 90 градусов против часовой стрелки "
                                 "| ПОВОРОТ – поворот на 90 градусов против часовой стрелки"),
                  PanelCommand::Turn);
    LabelPP3 = addLabel(QStringLiteral("LabelPP3"), QStringLiteral("Процедуры"), QPoint(25, 112));
    PPButtonProc =
        addButton(QStringLiteral("PPButtonProc"), QStringLiteral("ОПИСАНИЕ F5"), QRect(9, 136, 96, 25),
                  QStringLiteral("Вставить в алгоритм описание процедуры "
                                 "| Вставить в алгоритм описание процедуры"),
                  PanelCommand::Proc);
    PPButtonDoProc =
        addButton(QStringLiteral("PPButtonDoProc"), QStringLiteral("ВЫЗОВ        F6"), QRect(9, 160, 96, 25),
                  QStringLiteral("Вставить в алгоритм вызов процедуры "
                                 "| Вставить в алгоритм вызов процедуры"),
                  PanelCommand::DoProc);
    LabelPP4 = addLabel(QStringLiteral("LabelPP4"), QStringLiteral("Управляющие "), QPoint(17, 200));
    LabelPP5 = addLabel(QStringLiteral("LabelPP5"), QStringLiteral("структуры"), QPoint(25, 212));
    PPButtonIf =
        addButton(QStringLiteral("PPButtonIf"), QStringLiteral("ВЕТВЛЕНИЕ  F7"), QRect(8, 234, 97, 24),
                  QStringLiteral("Вставить в алгоритм управляющую структуру \"Ветвление\" "
                                 "| Вставить в алгоритм управляющую структуру \"Ветвление\""),
                  PanelCommand::If);
    PPButtonWhile = addButton(QStringLiteral("PPButtonWhile"), QStringLiteral("ЦИКЛ            F8"),
                              QRect(8, 258, 97, 24),
                              QStringLiteral("Вставить в алгоритм управляющую структуру \"Цикл\" "
                                             "| Вставить в алгоритм управляющую структуру \"Цикл\""),
                              PanelCommand::While);
}

QList<QLabel *> CommandPanel::labels() const
{
    return {LabelPP1, LabelPP2, LabelPP3, LabelPP4, LabelPP5};
}

QList<QPushButton *> CommandPanel::buttons() const
{
    return {PPButtonStep,   PPButtonJump, PPButtonTurn, PPButtonProc,
            PPButtonDoProc, PPButtonIf,   PPButtonWhile};
}

QPushButton *CommandPanel::button(PanelCommand command) const
{
    return buttons().at(int(command));
}

QLabel *CommandPanel::addLabel(const QString &name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
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
