#include "app/field/fieldmenu.h"

#include "app/editing/editormessage.h"
#include "app/editing/files/savefiledialog.h"
#include "app/work/workwindow.h"
#include "common/atomicwrite.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

FieldMenu::FieldMenu(WorkWindow &window, QAction *printAction)
    : QMenu(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("FieldMenu"));
    m_savePicture = addAction(QStringLiteral("Сохранить рисунок поля…"));
    m_savePicture->setObjectName(QStringLiteral("NSavePicture"));
    connect(m_savePicture, &QAction::triggered, this, &FieldMenu::saveFieldPicture);
    if (printAction)
        addAction(printAction);

    connect(&window, &WorkWindow::fieldMenuRequested, this, &FieldMenu::popupAt);
}

QString FieldMenu::saveTitle()
{
    return QStringLiteral("Сохранить рисунок поля");
}

SaveFileDialog FieldMenu::saveDialog()
{
    return {saveTitle(), QStringLiteral("рисунок PNG (*.png)"), QStringLiteral("png")};
}

QString FieldMenu::chooseFile(QWidget *parent)
{
    return saveDialog().choose(parent, QStringLiteral("Поле.png"));
}

bool FieldMenu::saveFieldPicture()
{
    if (m_window.isRunning())
        return false;
    const QString file = chooseFile(&m_window);
    if (file.isEmpty())
        return false;
    // PNG whatever the name ends with: that is what the item promises. The picture is made
    // in memory first, so that a failure to write the file is told in the program's words.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    const bool encoded = writer.write(m_window.scene().picture());
    const FileWriteResult written = encoded ? writeFileAtomically(file, png.data()) : FileWriteResult{};
    if (!encoded || !written.isOk()) {
        showFileError(
            &m_window,
            QStringLiteral("Не удалось записать файл %1\n%2")
                .arg(QDir::toNativeSeparators(file), encoded ? written.reason : writer.errorString()));
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
