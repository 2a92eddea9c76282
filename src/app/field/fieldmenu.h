#pragma once

#include <QMenu>

#include <functional>

class QFileDialog;
class WorkWindow;

// The context menu of the field (a right click on the picture): saving the field picture
// as it stands to a PNG file, and printing the work.
class FieldMenu : public QMenu
{
    Q_OBJECT

public:
    FieldMenu(WorkWindow &window, QAction *printAction);

    QAction *NSavePicture = nullptr;

    // Asks for the file to save to; an empty text is a cancel.
    using FileChooser = std::function<QString(QWidget *parent)>;
    // The window system's save dialog unless replaced.
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    static QString saveTitle();
    static void prepareSaveDialog(QFileDialog &dialog, const QString &fileName);
    static QString chooseFile(QWidget *parent);

    // "Сохранить рисунок поля…"; whether the picture was written.
    bool saveFieldPicture();
    void popupAt(const QPoint &fieldPosition);

private:
    WorkWindow &m_window;
    FileChooser m_chooseFile;
};
