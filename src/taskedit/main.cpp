#include "common/qttranslation.h"
#include "common/settingsoffdisk.h"
#include "taskedit/taskeditwindow.h"

#include <QApplication>
#include <QDir>

// The teacher's task editor. An argument names the task folder to open; without one the
// current folder is opened when it holds a task, otherwise a new task is started.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shagaika-tasks"));
    QApplication::setApplicationDisplayName(QStringLiteral("Шагайка: редактор задач"));
    // Qt's dialogs (choosing the task folder, the reference solution) in Russian.
    installQtTranslation();
    keepSettingsOffDisk();

    TaskEditWindow window;
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty())
        window.openFolder(arguments.first());
    else if (QFileInfo::exists(QDir::current().filePath(QStringLiteral("Zerid.txt"))))
        window.openFolder(QDir::currentPath());
    window.show();
    return app.exec();
}
