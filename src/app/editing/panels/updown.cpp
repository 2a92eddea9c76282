#include "app/editing/panels/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(QLineEdit *buddy, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton **button : {&m_up, &m_down}) {
        *button = new QToolButton(this);
        (*button)->setObjectName(button == &m_up ? QStringLiteral("up") : QStringLiteral("down"));
        (*button)->setArrowType(button == &m_up ? Qt::UpArrow : Qt::DownArrow);
        (*button)->setAccessibleName(button == &m_up ? QStringLiteral("Больше") : QStringLiteral("Меньше"));
        (*button)->setAutoRepeat(true);
        (*button)->setFocusPolicy(Qt::NoFocus);
        (*button)->setFixedSize(15, 10);
        layout->addWidget(*button);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    m_buddy->installEventFilter(this);
}

void UpDown::setMaximum(int maximum)
{
    m_maximum = qMax(0, maximum);
}

void UpDown::stepBy(int steps)
{
    bool ok = false;
    int value = m_buddy->text().trimmed().toInt(&ok);
    if (!ok)
        value = 0;
    value = qBound(0, qBound(0, value, m_maximum) + steps, m_maximum);
    m_buddy->setText(QString::number(value));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
