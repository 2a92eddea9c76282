#pragma once

#include "app/editing/files/savefiledialog.h"

#include <QMenu>

class FieldPanel;
class WorkSession;

// The context menu of the field (a right click on the picture): saving the field picture
// as it stands to a PNG file, and printing the work.
class FieldMenu : public QMenu
{
    Q_OBJECT

public:
    FieldMenu(WorkSession &session, FieldPanel &field, QAction *printAction);

    // "Высокая контрастность" (Ctrl+Alt+K anywhere in the window), checked or not; it is
    // remembered for the session only.
    QAction *contrastAction() const { return m_contrast; }

private:
    // "Сохранить рисунок поля…"; whether the picture was written.
    bool saveFieldPicture();
    void popupAt(const QPoint &fieldPosition);
    static QString saveTitle();
    static SaveFileDialog saveDialog();
    // Asks for the file to save to; an empty text is a cancel.
    static QString chooseFile(QWidget *parent);

    WorkSession &m_session;
    FieldPanel &m_field;
    QAction *m_savePicture = nullptr;
    QAction *m_contrast = nullptr;
};
