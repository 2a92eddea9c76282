#include "app/shell/accessiblefactory.h"
#include "app/shell/builtiniconstyle.h"
#include "app/shell/desktopprogram.h"
#include "app/shell/titlewindow.h"
#include "app/shell/windowsystem.h"
#include "common/qttranslation.h"
#include "common/settingsoffdisk.h"

#include <QApplication>
#include <QStyle>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char *noDisplayMessage =
    "Шагайка: не удалось открыть окно — графический дисплей недоступен.\n"
    "Shagaika: cannot open a window: no graphical display is available.\n";

// A display that is named but cannot be reached ends in a fatal message of the window
// system's start-up; say plainly what it means before the program ends.
void reportFatalStartUp(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    if (type == QtFatalMsg) {
        std::fputs(noDisplayMessage, stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display the window system cannot start, and the application object would
    // abort with a message about platform plugins that does not say what is missing.
    if (!isDisplayAvailable()) {
        std::fputs(noDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(reportFatalStartUp);
    prepareWindowSystem();
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setStyle(new BuiltInIconStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QStringLiteral("SHAGAIKA_ZERID"));
    // Without the catalogue Qt's dialogs keep their English texts; nothing else depends on it.
    installQtTranslation();
    keepSettingsOffDisk();
    installAccessibleFactory();

    DesktopProgram program;
    program.title().show();
    return QApplication::exec();
}
