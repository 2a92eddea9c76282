#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Keeps out of a field every character that an algorithm file, written in Windows-1251,
// could not hold: the pupil's edit is undone and a message names the character. Without
// it one such character in a comment would turn the whole saved file into UTF-8.
class Windows1251Guard : public QObject
{
    Q_OBJECT

public:
    explicit Windows1251Guard(QLineEdit *edit);

    static QString refusalMessage(const QString &character);

private:
    void textChanged(const QString &text);
    void textEdited(const QString &text);

    QLineEdit *m_edit;
    QString m_accepted;
};
