#include "app/run/runtoolbar.h"

#include "app/common/hint.h"
#include "app/common/pictures.h"

#include <QLayout>
#include <QToolButton>

RunToolBar::RunToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBarAlg"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setContentsMargins(0, 0, 0, 0);
    layout()->setSpacing(0);

    m_slow = addButton(QStringLiteral("FixToolButtonDo"), 0, QStringLiteral("Выполнять медленно"),
                       QStringLiteral("Выполнять медленно | Исполнять алгоритм с малой скоростью"));
    addGap(1);
    m_middle = addButton(QStringLiteral("FixToolButtonQuick"), 1, QStringLiteral("Выполнять быстро"),
                         QStringLiteral("Выполнять быстро | Исполнять алгоритм со средней скоростью"));
    m_fastest = addButton(QStringLiteral("FixToolButtonResult"), 2, QStringLiteral("Выполнять очень быстро"),
                          QStringLiteral("Выполнять очень быстро | Исполнять алгоритм с высокой скоростью"));
    addGap(8);
    m_stop =
        addButton(QStringLiteral("FixToolButtonStop"), 3, QStringLiteral("Прервать выполнение (Ctrl+F2)"),
                  QStringLiteral("Прервать выполнение"));
    addGap(8);
    m_pause = addButton(QStringLiteral("FixToolButtonPause"), 4, QStringLiteral("Пауза (Ctrl+F9)"),
                        QStringLiteral("Пауза (Ctrl+F9) | Приостановить выполнение после текущей строки"));
    m_pause->setCheckable(true);
    m_step = addButton(QStringLiteral("FixToolButtonStep"), 5, QStringLiteral("Один шаг (F9)"),
                       QStringLiteral("Один шаг (F9) | Выполнить одну строку алгоритма и остановиться"));

    connect(m_slow, &QToolButton::clicked, this, [this] { emit speedChosen(RunSpeed::Slow); });
    connect(m_middle, &QToolButton::clicked, this, [this] { emit speedChosen(RunSpeed::Middle); });
    connect(m_fastest, &QToolButton::clicked, this, [this] { emit speedChosen(RunSpeed::Fastest); });
    connect(m_stop, &QToolButton::clicked, this, &RunToolBar::stopClicked);
    // The button shows the pause; whether there is one is the run's to say.
    connect(m_pause, &QToolButton::clicked, this, [this] {
        m_pause->setChecked(!m_pause->isChecked());
        emit pauseClicked();
    });
    connect(m_step, &QToolButton::clicked, this, &RunToolBar::stepClicked);
}

void RunToolBar::showPaused(bool paused)
{
    m_pause->setChecked(paused);
    setSpeedButtonsEnabled(paused);
}

bool RunToolBar::pressForKeys(QKeyCombination keys)
{
    QToolButton *button = nullptr;
    if (keys == QKeyCombination(Qt::ControlModifier, Qt::Key_F2))
        button = m_stop;
    else if (keys == QKeyCombination(Qt::ControlModifier, Qt::Key_F9))
        button = m_pause;
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

void RunToolBar::setSpeedButtonsEnabled(bool enabled)
{
    for (QToolButton *button : speedButtons())
        button->setEnabled(enabled);
}

QToolButton *RunToolBar::addButton(const QString &name, int picture, const QString &accessibleName,
                                   const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    // The button shows only a picture: a screen reader says what it does and its key.
    button->setAccessibleName(accessibleName);
    button->setIcon(Pictures::runButtonIcon(picture));
    button->setAutoRaise(true);
    button->setFixedSize(27, 25);
    // As any tool bar button: a click or a disabled neighbour leaves no focus frame on it.
    button->setFocusPolicy(Qt::NoFocus);
    Hint::apply(button, hint);
    addWidget(button);
    return button;
}

void RunToolBar::addGap(int width)
{
    auto *gap = new QWidget(this);
    gap->setFixedSize(width, 1);
    addWidget(gap);
}
