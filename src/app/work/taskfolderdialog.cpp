#include "app/work/taskfolderdialog.h"

#include "common/taskcollection.h"

#include <QDir>
#include <QFileDialog>

namespace {

void prepareTaskFolderDialog(QFileDialog &dialog)
{
    dialog.setWindowTitle(QStringLiteral("Укажите папку с задачей"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // In place of the dialog's own English "Directories".
    dialog.setNameFilter(QStringLiteral("папки (*)"));
    // Where no task was found, the installed collection is the likeliest place to pick one.
    const QString collection = installedTaskCollection();
    dialog.setDirectory(collection.isEmpty() ? QDir::currentPath() : collection);
}

} // namespace

QString chooseTaskFolder(QWidget *parent)
{
    QFileDialog dialog(parent);
    prepareTaskFolderDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList folders = dialog.selectedFiles();
    return folders.isEmpty() ? QString() : folders.first();
}
