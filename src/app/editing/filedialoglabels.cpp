#include "app/editing/filedialoglabels.h"

#include <QFileDialog>

void setRussianLabels(QFileDialog &dialog, const QString &accept)
{
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
}
