#include "app/editing/files/standardfiledialogs.h"

#include "app/editing/files/savefiledialog.h"

#include <QFileDialog>

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

SaveFileDialog StandardFileDialogs::saveDialog()
{
    return {saveTitle(), QStringLiteral("текстовый (*.txt)"), QStringLiteral("txt")};
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
    return saveDialog().choose(parent, QStringLiteral("NoName"));
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
