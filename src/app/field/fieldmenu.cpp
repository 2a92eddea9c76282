#include "app/field/fieldmenu.h"

#include "app/editing/editormessage.h"
#include "app/editing/files/savefiledialog.h"
#include "app/field/fieldpanel.h"
#include "common/atomicwrite.h"
#include "session/worksession.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

FieldMenu::FieldMenu(WorkSession &session, FieldPanel &field, QAction *printAction)
    : QMenu(field.window())
    , m_session(session)
    , m_field(field)
{
    setObjectName(QStringLiteral("FieldMenu"));
    m_savePicture = addAction(QStringLiteral("Сохранить рисунок поля…"));
    m_savePicture->setObjectName(QStringLiteral("NSavePicture"));
    connect(m_savePicture, &QAction::triggered, this, &FieldMenu::saveFieldPicture);
    if (printAction)
        addAction(printAction);
    m_contrast = addAction(QStringLiteral("Высокая контрастность"));
    m_contrast->setObjectName(QStringLiteral("NHighContrast"));
    m_contrast->setCheckable(true);
    m_contrast->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_K));
    // The key works wherever the window has the focus, not only while the menu is open.
    field.window()->addAction(m_contrast);
    connect(m_contrast, &QAction::toggled, &field, &FieldPanel::setHighContrast);

    connect(&field, &FieldPanel::menuRequested, this, &FieldMenu::popupAt);
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
    if (m_session.isRunning())
        return false;
    const QString file = chooseFile(parentWidget());
    if (file.isEmpty())
        return false;
    // PNG whatever the name ends with: that is what the item promises. The picture is made
    // in memory first, so that a failure to write the file is told in the program's words.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    const bool encoded = writer.write(m_session.scene().picture());
    const FileWriteResult written = encoded ? writeFileAtomically(file, png.data()) : FileWriteResult{};
    if (!encoded || !written.isOk()) {
        showFileError(
            parentWidget(),
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
    if (m_session.isRunning())
        return;
    popup(m_field.fieldToGlobal(fieldPosition));
}
