#include "app/shell/windowsystem.h"

#include <QByteArray>
#include <QtGlobal>

void prepareWindowSystem()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArray("1"));
}
