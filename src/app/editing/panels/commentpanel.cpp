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

    LabelComment = new QLabel(QStringLiteral("Введите текст комментария:"), this);
    LabelComment->setObjectName(QStringLiteral("LabelComment"));
    LabelComment->move(40, 8);
    LabelComment->adjustSize();

    EditComment = new QLineEdit(this);
    EditComment->setObjectName(QStringLiteral("EditComment"));
    new Windows1251Guard(EditComment);
    EditComment->setGeometry(24, 24, 233, 21);
    Hint::apply(EditComment, QStringLiteral("Введите любой текст в эту строчку."));
    EditComment->installEventFilter(this);
    closePanel();
}

void CommentPanel::open()
{
    EditComment->clear();
    LabelComment->show();
    EditComment->show();
    show();
    raise();
    EditComment->setFocus(Qt::OtherFocusReason);
}

void CommentPanel::closePanel()
{
    hide();
    LabelComment->hide();
    EditComment->hide();
}

bool CommentPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != EditComment)
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isVisible()) {
            const QString text = EditComment->text();
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
