#include "app/common/modalwindow.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

void execUntilClosed(QWidget *window)
{
    QPointer<QWidget> guard(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    if (guard)
        loop.exec(QEventLoop::DialogExec);
}
