#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// A question to the teacher with buttons in Russian; the first button is the default, the
// last one is what Esc chooses. Returns the index of the chosen button.
int askTeacher(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
               const QStringList &buttons);
