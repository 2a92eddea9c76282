#include "app/shell/windowsystem.h"

#include <QByteArray>
#include <QtGlobal>

// X11 and Wayland, the window systems that name their display in the environment.
#if (defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)) || defined(Q_OS_FREEBSD) || defined(Q_OS_NETBSD)         \
    || defined(Q_OS_OPENBSD)
#define SHAGAIKA_X11_OR_WAYLAND
#endif

bool isDisplayAvailable()
{
#ifdef SHAGAIKA_X11_OR_WAYLAND
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void prepareWindowSystem()
{
#ifdef SHAGAIKA_X11_OR_WAYLAND
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArray("1"));
#endif
}
