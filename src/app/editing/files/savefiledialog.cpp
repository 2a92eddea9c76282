#include "app/editing/files/savefiledialog.h"

#include "app/editing/editormessage.h"

#include <QFileDialog>
#include <QFileInfo>

void SaveFileDialog::prepare(QFileDialog &dialog, const QString &fileName) const
{
    dialog.setWindowTitle(title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(fileName);
}

QString SaveFileDialog::choose(QWidget *parent, const QString &offered) const
{
    QString name = offered;
    for (;;) {
        QFileDialog dialog(parent);
        prepare(dialog, name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        const QString file = dialog.selectedFiles().first();
        // Replacing a file without a question would lose what was saved in it.
        if (!QFileInfo::exists(file) || askToReplaceFile(parent, file))
            return file;
        name = file;
    }
}
