#include "app/editing/panels/conditionpanel.h"

#include "app/common/hint.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

QString conditionHint(const QString &structure, const QString &condition)
{
    return QStringLiteral("Вставить в алгоритм управляющую структуру \"%1\" с проверкой условия \"%2\"")
        .arg(structure, condition);
}

} // namespace

ConditionPanel::ConditionPanel(const QString &name, const ButtonText &positive, const ButtonText &negative,
                               QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    resize(185, 73);
    m_positive = addButton(positive, 8, WallCondition::WallAhead);
    m_negative = addButton(negative, 32, WallCondition::NoWallAhead);
    hide();
}

ConditionPanel *ConditionPanel::createIfPanel(QWidget *parent)
{
    const QString structure = QStringLiteral("Ветвление");
    return new ConditionPanel(QStringLiteral("PanelIf"),
                              {QStringLiteral("ButtonIf"), QStringLiteral("ЕСЛИ впереди стена  "),
                               conditionHint(structure, QStringLiteral("впереди стена"))},
                              {QStringLiteral("ButtonIfNot"), QStringLiteral("ЕСЛИ впереди не стена "),
                               conditionHint(structure, QStringLiteral("впереди НЕ стена"))},
                              parent);
}

ConditionPanel *ConditionPanel::createWhilePanel(QWidget *parent)
{
    const QString structure = QStringLiteral("Цикл");
    return new ConditionPanel(QStringLiteral("PanelWhile"),
                              {QStringLiteral("ButtonWhile"), QStringLiteral("ПОКА впереди стена"),
                               conditionHint(structure, QStringLiteral("впереди стена"))},
                              {QStringLiteral("ButtonWhileNot"), QStringLiteral("ПОКА впереди не стена"),
                               conditionHint(structure, QStringLiteral("впереди НЕ стена"))},
                              parent);
}

QPushButton *ConditionPanel::addButton(const ButtonText &text, int top, WallCondition condition)
{
    auto *button = new QPushButton(text.caption, this);
    button->setObjectName(text.name);
    button->setGeometry(8, top, 169, 25);
    // Enter on the focused button inserts its condition.
    button->setAutoDefault(true);
    Hint::apply(button, text.hint);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, condition] { emit conditionChosen(condition); });
    return button;
}

void ConditionPanel::openAt(const QPoint &topLeft)
{
    m_focusReturn.remember(*this);
    move(topLeft);
    show();
    raise();
    m_positive->setFocus(Qt::OtherFocusReason);
}

bool ConditionPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_positive || watched == m_negative)) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Escape: hide(); return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            // Two buttons: every cursor key reaches the other one.
            (watched == m_positive ? m_negative : m_positive)->setFocus(Qt::TabFocusReason);
            return true;
        default: break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ConditionPanel::hideEvent(QHideEvent *event)
{
    // Where no control had the keys and none is on ("Начать", "Отладка"), the focus would
    // stay on a hidden button, and each Enter would insert one more construct unseen.
    m_focusReturn.release(*this, [this] { focusNextPrevChild(true); });
    QFrame::hideEvent(event);
}
