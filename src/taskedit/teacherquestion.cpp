#include "taskedit/teacherquestion.h"

#include <QPushButton>

int askTeacher(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
               const QStringList &buttons)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QList<QPushButton *> added;
    for (const QString &caption : buttons)
        added.append(box.addButton(caption, QMessageBox::ActionRole));
    if (!added.isEmpty()) {
        box.setDefaultButton(added.first());
        box.setEscapeButton(added.last());
    }
    box.exec();
    return int(added.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
}
