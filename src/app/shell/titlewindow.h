#pragma once

#include "app/shell/registrationwindow.h"
#include "app/shell/workopener.h"

#include <QMainWindow>

class QLabel;
class QPushButton;
class QStatusBar;
class TitlePicture;

// The program's main window: the title picture and the button "Старт", which leads to
// the registration and from there to the work window. Closing it ends the program.
class TitleWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TitleWindow(WorkOpener openWork, QWidget *parent = nullptr);

public slots:
    void startBitBClick();

private:
    void addCaptionLine(const QString &text, int pixelHeight, QPoint at);

    WorkOpener m_openWork;
    TitlePicture *m_picture = nullptr;
    QPushButton *m_start = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_statusPanels[3] = {nullptr, nullptr, nullptr};
};
