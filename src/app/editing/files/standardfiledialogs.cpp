#include "app/editing/files/standardfiledialogs.h"

#include "app/editing/editormessage.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString chosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

QString StandardFileDialogs::saveTitle()
{
    return QStringLiteral("Сохранить алгоритм в файле");
}

QString StandardFileDialogs::openTitle()
{
    return QStringLiteral("Укажите имя открываемого файла");
}

void StandardFileDialogs::prepareSaveDialog(QFileDialog &dialog, const QString &fileName)
{
    dialog.setWindowTitle(saveTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("текстовый (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // The question before replacing a file is asked in Russian once the dialog is closed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(fileName);
}

void StandardFileDialogs::prepareOpenDialog(QFileDialog &dialog) const
{
    dialog.setWindowTitle(openTitle());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("текстовые (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!m_lastOpened.isEmpty())
        dialog.selectFile(m_lastOpened);
}

QString StandardFileDialogs::saveFileName(QWidget *parent)
{
    QString offered = QStringLiteral("NoName");
    for (;;) {
        QFileDialog dialog(parent);
        prepareSaveDialog(dialog, offered);
        const QString file = chosenFile(dialog);
        // Replacing a file without a question would lose the algorithm saved in it.
        if (file.isEmpty() || !QFileInfo::exists(file) || askToReplaceFile(parent, file))
            return file;
        offered = file;
    }
}

QString StandardFileDialogs::openFileName(QWidget *parent)
{
    QFileDialog dialog(parent);
    prepareOpenDialog(dialog);
    const QString file = chosenFile(dialog);
    if (!file.isEmpty())
        m_lastOpened = file;
    return file;
}
