#include "app/editing/editormessage.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

void showEditorMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

void showFileError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

SaveAnswer askToSaveAlgorithm(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QStringLiteral("Сохранить алгоритм в файле?"), QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Save;
    if (box.clickedButton() == no)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

bool askToReplaceFile(QWidget *parent, const QString &fileName)
{
    QMessageBox box(
        QMessageBox::Question, QApplication::applicationName(),
        QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(QDir::toNativeSeparators(fileName)),
        QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
