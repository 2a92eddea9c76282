#include "common/filebytes.h"

#include "common/systemerror.h"
#include "common/systemfilename.h"

#include <QFile>
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

FileBytes failed(const QString &reason)
{
    FileBytes result;
    result.reason = reason;
    return result;
}

FileBytes readOpenFile(QFile &file, qint64 size, qint64 limit)
{
    FileBytes result;
    if (size > limit) {
        result.isTooLarge = true;
        return result;
    }
    errno = 0;
    // A buffer of the file's size and one byte more, not of the limit: a freed buffer of
    // megabytes makes the C library keep every later allocation below that size in its heap,
    // where freed pictures stay resident. The byte past the size catches a file growing
    // meanwhile, which is then read on up to one byte past the limit.
    result.bytes = file.read(size + 1);
    if (result.bytes.size() > size && file.error() == QFileDevice::NoError)
        result.bytes += file.read(limit + 1 - result.bytes.size());
    if (file.error() != QFileDevice::NoError)
        return failed(errno != 0 ? systemErrorText(errno) : systemErrorText(file.errorString()));
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.isTooLarge = true;
    }
    return result;
}

} // namespace

FileBytes readFileBytes(const QString &path, qint64 limit)
{
#ifdef Q_OS_UNIX
    // Opened without waiting, so a pipe with no writer returns at once; the type is then
    // taken from the open file itself, which cannot be swapped for another meanwhile.
    const int descriptor =
        ::open(fileNameToSystem(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int errorNumber = errno;
        if (errorNumber == ENOENT && QFileInfo(path).isSymLink())
            return failed(QStringLiteral("ссылка ведёт к файлу, которого нет"));
        return failed(systemErrorText(errorNumber));
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0) {
        const int errorNumber = errno;
        ::close(descriptor);
        return failed(systemErrorText(errorNumber));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return failed(notRegularReason(S_ISDIR(status.st_mode)));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return failed(systemErrorText(file.errorString()));
    }
    return readOpenFile(file, qint64(status.st_size), limit);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return failed(info.isSymLink() ? QStringLiteral("ссылка ведёт к файлу, которого нет")
                                       : systemErrorText(ENOENT));
    if (!info.isFile())
        return failed(notRegularReason(info.isDir()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(systemErrorText(file.errorString()));
    return readOpenFile(file, file.size(), limit);
#endif
}
