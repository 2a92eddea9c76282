#pragma once

#include "app/work/workwindow.h"
#include "common/textencoding.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

// Makes a folder the current directory for as long as it lives.
class CurrentDirectory
{
public:
    explicit CurrentDirectory(const QString &path)
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~CurrentDirectory() { QDir::setCurrent(m_previous); }
    CurrentDirectory(const CurrentDirectory &) = delete;
    CurrentDirectory &operator=(const CurrentDirectory &) = delete;

private:
    QString m_previous;
};

inline QString exampleFolder(const QString &name)
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/") + name;
}

// A task folder of its own in a temporary directory: "Zerid.txt" from lines, in Windows-1251.
class TaskFolderFixture
{
public:
    explicit TaskFolderFixture(const QStringList &lines)
    {
        QFile file(m_dir.filePath(QStringLiteral("Zerid.txt")));
        if (file.open(QIODevice::WriteOnly))
            file.write(encodeText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes);
    }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Every message box that opens while it lives is noted and closed with OK.
class MessageCollector
{
public:
    struct Message
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    MessageCollector()
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->property("collected").toBool())
                return;
            box->setProperty("collected", true);
            messages.append({box->windowTitle(), box->text(), box->icon()});
            // Closed from the box's own event loop, once the timer's slot has returned.
            QTimer::singleShot(0, box, &QMessageBox::accept);
        });
        m_timer.start();
    }

    QList<Message> messages;

private:
    QTimer m_timer;
};
