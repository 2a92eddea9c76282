#include "common/regularfile.h"

#include "common/systemerror.h"
#include "common/systemfilename.h"

#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString notRegularReason(bool isFolder)
{
    return isFolder ? systemErrorText(EISDIR)
                    : QStringLiteral("это не обычный файл (канал, устройство или сокет)");
}

QString danglingLinkReason()
{
    return QStringLiteral("ссылка ведёт к файлу, которого нет");
}

} // namespace

QString openRegularFile(const QString &path, QFile &file, qint64 &size)
{
#ifdef Q_OS_UNIX
    // Opened without waiting, so a pipe with no writer returns at once; the type is then
    // taken from the open file itself, which cannot be swapped for another meanwhile.
    const int descriptor =
        ::open(fileNameToSystem(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int errorNumber = errno;
        if (errorNumber == ENOENT && QFileInfo(path).isSymLink())
            return danglingLinkReason();
        // A socket cannot be opened at all; its error number would say nothing of why.
        struct stat status = {};
        if (::stat(fileNameToSystem(path).constData(), &status) == 0 && !S_ISREG(status.st_mode))
            return notRegularReason(S_ISDIR(status.st_mode));
        return systemErrorText(errorNumber);
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0) {
        const int errorNumber = errno;
        ::close(descriptor);
        return systemErrorText(errorNumber);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return notRegularReason(S_ISDIR(status.st_mode));
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return systemErrorText(file.errorString());
    }
    size = qint64(status.st_size);
    return {};
#else
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? danglingLinkReason() : systemErrorText(ENOENT);
    if (!info.isFile())
        return notRegularReason(info.isDir());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return systemErrorText(file.errorString());
    size = file.size();
    return {};
#endif
}
