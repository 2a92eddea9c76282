#include "common/qttranslation.h"
#include "common/settingsoffdisk.h"
#include "taskedit/taskeditarguments.h"
#include "taskedit/taskeditwindow.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

// The teacher's task editor. An argument names the task folder to open; without one the
// current folder is opened when it holds a task, otherwise a new task is started.
int main(int argc, char *argv[])
{
    // Help and version are answered before any window system is asked for; the rest is read
    // once Qt has taken its own options (-platform, -style, …) out of the list.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    const TaskEditArguments early = TaskEditArguments::parse(rawArguments);
    if (early.action == TaskEditArguments::Action::Help
        || early.action == TaskEditArguments::Action::Version) {
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        if (early.action == TaskEditArguments::Action::Help)
            out << TaskEditArguments::helpText();
        else
            out << TaskEditArguments::versionText() << "\n";
        return 0;
    }

    QApplication app(argc, argv);
    const TaskEditArguments parsed = TaskEditArguments::parse(QApplication::arguments().mid(1));
    if (parsed.action == TaskEditArguments::Action::Mistake) {
        QTextStream err(stderr);
        err.setEncoding(QStringConverter::Utf8);
        err << "shagaika-tasks: " << parsed.mistake << "\nСправка: shagaika-tasks --help\n";
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("shagaika-tasks"));
    QApplication::setApplicationDisplayName(QStringLiteral("Шагайка: редактор задач"));
    // Qt's dialogs (choosing the task folder, the reference solution) in Russian.
    installQtTranslation();
    keepSettingsOffDisk();

    TaskEditWindow window;
    if (!parsed.folder.isEmpty())
        window.openFolder(parsed.folder);
    else if (QFileInfo::exists(QDir::current().filePath(QStringLiteral("Zerid.txt"))))
        window.openFolder(QDir::currentPath());
    window.show();
    return app.exec();
}
