#include "common/taskcollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString installedTaskCollection()
{
    // Relative to the programs' folder, so that an installation moved elsewhere still finds it.
    const QString path = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                             .filePath(QStringLiteral(SHAGAIKA_COLLECTION_FROM_PROGRAMS)));
    return QFileInfo(path).isDir() ? path : QString();
}
