#include "app/field/fieldmenu.h"

#include "app/editing/editormessage.h"
#include "app/work/workwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>

FieldMenu::FieldMenu(WorkWindow &window, QAction *printAction)
    : QMenu(&window)
    , m_window(window)
    , m_chooseFile(&FieldMenu::chooseFile)
{
    setObjectName(QStringLiteral("FieldMenu"));
    NSavePicture = addAction(QStringLiteral("Сохранить рисунок поля…"));
    NSavePicture->setObjectName(QStringLiteral("NSavePicture"));
    connect(NSavePicture, &QAction::triggered, this, &FieldMenu::saveFieldPicture);
    if (printAction)
        addAction(printAction);

    connect(&window, &WorkWindow::fieldMenuRequested, this, &FieldMenu::popupAt);
}

QString FieldMenu::saveTitle()
{
    return QStringLiteral("Сохранить рисунок поля");
}

void FieldMenu::prepareSaveDialog(QFileDialog &dialog, const QString &fileName)
{
    dialog.setWindowTitle(saveTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("рисунок PNG (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // The question before replacing a file is asked in Russian once the dialog is closed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(fileName);
}

QString FieldMenu::chooseFile(QWidget *parent)
{
    QString offered = QStringLiteral("Поле.png");
    for (;;) {
        QFileDialog dialog(parent);
        prepareSaveDialog(dialog, offered);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        const QString file = dialog.selectedFiles().first();
        if (!QFileInfo::exists(file) || askToReplaceFile(parent, file))
            return file;
        offered = file;
    }
}

bool FieldMenu::saveFieldPicture()
{
    if (m_window.isRunning() || !m_chooseFile)
        return false;
    const QString file = m_chooseFile(&m_window);
    if (file.isEmpty())
        return false;
    // PNG whatever the name ends with: that is what the item promises.
    QImageWriter writer(file, "png");
    if (!writer.write(m_window.scene().picture())) {
        showFileError(&m_window,
                      QStringLiteral("Не удалось записать файл %1\n%2")
                          .arg(QDir::toNativeSeparators(file), writer.errorString()));
        return false;
    }
    return true;
}

void FieldMenu::popupAt(const QPoint &fieldPosition)
{
    // During a run the picture changes under the pupil's eyes and a modal dialog would
    // let the text under the interpreter change.
    if (m_window.isRunning())
        return;
    popup(m_window.mapFieldToGlobal(fieldPosition));
}
