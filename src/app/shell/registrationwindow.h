#pragma once

#include "app/shell/workopener.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the pupil's surname and first name, or a team's name, puts them into the
// work window's caption and opens the work window. Accepted once the work window has
// been closed; rejected when the pupil closes this window instead.
class RegistrationWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RegistrationWindow(WorkOpener openWork, QWidget *parent = nullptr);

    static QString nameCharsError();
    static QString emptyNamesMessage();

public slots:
    void readyBitBClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *addLabel(const QString &name, const QString &text, QPoint at, bool large);
    QLineEdit *addEdit(const QString &name, const QRect &geometry);
    // true when the key was handled here and must not reach the edit.
    bool editKeyPress(QLineEdit *edit, QKeyEvent *event);
    void rejectCharacter(QLineEdit *edit);
    void emptyFields();

    WorkOpener m_openWork;
    bool m_shownOnce = false;
    QLabel *m_surnameLabel = nullptr;
    QLineEdit *m_surname = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_name = nullptr;
    QLabel *m_orLabel = nullptr;
    QLabel *m_teamLabel = nullptr;
    QLineEdit *m_team = nullptr;
    QPushButton *m_ready = nullptr;
};
