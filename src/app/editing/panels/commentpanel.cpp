#include "app/editing/panels/commentpanel.h"

#include "app/common/hint.h"

#include "app/editing/panels/windows1251guard.h"
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

#include <QLineEdit>

CommentPanel::CommentPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelComment"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(128, 224, 281, 65);
    Hint::apply(this, QStringLiteral("Введите любой текст."));

    m_title = new QLabel(QStringLiteral("Введите текст комментария:"), this);
    m_title->setObjectName(QStringLiteral("LabelComment"));
    m_title->move(40, 8);
    m_title->adjustSize();

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("EditComment"));
    new Windows1251Guard(m_text);
    m_text->setGeometry(24, 24, 233, 21);
    Hint::apply(m_text, QStringLiteral("Введите любой текст в эту строчку."));
    m_text->installEventFilter(this);
    closePanel();
}

void CommentPanel::open()
{
    m_text->clear();
    m_title->show();
    m_text->show();
    show();
    raise();
    m_text->setFocus(Qt::OtherFocusReason);
}

void CommentPanel::closePanel()
{
    hide();
    m_title->hide();
    m_text->hide();
}

bool CommentPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_text)
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isVisible()) {
            const QString text = m_text->text();
            closePanel();
            emit commentEntered(text);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Another window taking the focus for a while (a message, a menu) is not the
        // pupil leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            closePanel();
    }
    return QFrame::eventFilter(watched, event);
}
