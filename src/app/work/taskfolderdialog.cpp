#include "app/work/taskfolderdialog.h"

#include <QDir>
#include <QFileDialog>

QString taskFolderDialogTitle()
{
    return QStringLiteral("Укажите папку с задачей");
}

void prepareTaskFolderDialog(QFileDialog &dialog)
{
    dialog.setWindowTitle(taskFolderDialogTitle());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // In place of the dialog's own English "Directories".
    dialog.setNameFilter(QStringLiteral("папки (*)"));
    dialog.setDirectory(QDir::currentPath());
}

QString chooseTaskFolder(QWidget *parent)
{
    QFileDialog dialog(parent);
    prepareTaskFolderDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList folders = dialog.selectedFiles();
    return folders.isEmpty() ? QString() : folders.first();
}
