#pragma once

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// A control of a window found by its object name, as the pupil finds it by its place
// and caption; a missing control ends the test run.
template<typename T = QWidget>
T *control(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Runs an action on the next modal window that opens, from inside its event loop.
// The action runs once the modal window is the active modal widget and is not `previous`.
// A watch given an owner ends with it; the others end at cancelModalWatches(), which each
// test class calls after every test, so that a watch for a window that never came cannot
// act in a later test.
inline void onNextModal(std::function<void(QWidget *)> action, QWidget *previous = nullptr,
                        QObject *owner = nullptr)
{
    auto *timer = new QTimer(owner ? owner : QCoreApplication::instance());
    timer->setObjectName(QStringLiteral("modalWatch"));
    timer->setInterval(5);
    // A window deleted meanwhile may leave its address to the next one.
    const QPointer<QWidget> previousWindow(previous);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action), previousWindow] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == previousWindow.data())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

inline void cancelModalWatches()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTimer *>(QStringLiteral("modalWatch"),
                                                                    Qt::FindDirectChildrenOnly));
}

struct SeenMessage
{
    QString title;
    QString text;
    int count = 0;
    QObject watches;
};

// Closes the next message box with OK and notes what it said.
inline void closeNextMessage(SeenMessage *seen, QWidget *previous = nullptr)
{
    onNextModal(
        [seen](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return;
            seen->title = box->windowTitle();
            seen->text = box->text();
            ++seen->count;
            box->accept();
        },
        previous, &seen->watches);
}

// Every file dialog that opens while it lives takes the next of the answers: that name is
// chosen, as if typed into the dialog; an empty answer, or none left, cancels it. Each
// dialog is noted as the pupil met it, with its parent and the current directory of that
// moment.
class FileDialogAnswers
{
public:
    struct Asked
    {
        QString title;
        QWidget *parent = nullptr;
        QString currentPath;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
        QFileDialog::Options options;
        QStringList nameFilters;
        QString defaultSuffix;
        QString directory;
        QStringList selectedFiles;
    };

    explicit FileDialogAnswers(QStringList given = {})
        : answers(std::move(given))
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            asked.append({dialog->windowTitle(), dialog->parentWidget(), QDir::currentPath(),
                          dialog->acceptMode(), dialog->fileMode(), dialog->options(), dialog->nameFilters(),
                          dialog->defaultSuffix(), dialog->directory().path(), dialog->selectedFiles()});
            const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
            // Answered from the dialog's own event loop, once the timer's slot has returned.
            QTimer::singleShot(0, dialog, [dialog, answer] {
                if (answer.isEmpty()) {
                    dialog->reject();
                    return;
                }
                // The dialog writes a chosen name into its name field only while that
                // field has no focus.
                if (QWidget *focused = dialog->focusWidget())
                    focused->clearFocus();
                dialog->selectFile(answer);
                static_cast<QDialog *>(dialog)->accept();
            });
        });
        m_timer.start();
    }

    QStringList answers;
    QList<Asked> asked;

private:
    QTimer m_timer;
};

// Types text into a widget one character at a time, Cyrillic included (the Qt Test
// helpers accept only ASCII).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const Qt::Key key = c == u' '                   ? Qt::Key_Space
            : c.unicode() < 128 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode())
                                                        : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// A key the pupil presses in a window: it goes to the control with the focus, or to the
// window when no control has it.
inline void pressKey(QWidget &window, Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus && focus->window() == &window ? focus : &window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// A left click on a free spot of a widget, where none of its children lies.
inline void clickFreeSpot(QWidget &widget)
{
    for (int y = 1; y < widget.height(); y += 4) {
        for (int x = 1; x < widget.width(); x += 4) {
            const QPoint at(x, y);
            if (widget.childAt(at))
                continue;
            QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&widget, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&widget, &release);
            return;
        }
    }
    qFatal("no free spot");
}

// A timer's tick at once, as if its interval had passed.
inline void tick(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}
