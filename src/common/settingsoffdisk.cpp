#include "common/settingsoffdisk.h"

#include <QSettings>

void keepSettingsOffDisk()
{
#ifdef Q_OS_UNIX
    // A path below a device, not a folder: no settings file or lock file can be made there,
    // and the failed write is silent.
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
#endif
}
