#include "app/shell/accessiblefactory.h"
#include "app/shell/builtiniconstyle.h"
#include "app/shell/desktopprogram.h"
#include "app/shell/replaystart.h"
#include "app/shell/titlewindow.h"
#include "app/shell/windowsystem.h"
#include "common/qttranslation.h"
#include "common/settingsoffdisk.h"
#include "common/systemfilename.h"

#include <QApplication>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <optional>

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

// As the checker: a command line, a task or a file that cannot be used.
constexpr int cannotReplay = 2;

void reportReplayError(const QString &error)
{
    std::fputs((QStringLiteral("shagaika: ") + error + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    // A jury's replay of one test: what it names is checked before any window.
    std::optional<ReplayStart> replay;
    if (argc > 1) {
        replay = prepareReplay(argumentsFromSystem(argc, argv));
        if (!replay->isOk()) {
            reportReplayError(replay->error);
            return cannotReplay;
        }
    }
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
    if (replay) {
        QString error;
        if (!program.openReplay(*replay, error)) {
            reportReplayError(error);
            return cannotReplay;
        }
    } else {
        program.title().show();
    }
    return QApplication::exec();
}
