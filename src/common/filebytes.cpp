#include "common/filebytes.h"

#include "common/regularfile.h"
#include "common/systemerror.h"

#include <QFile>

#include <cerrno>

namespace {

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
    QFile file;
    qint64 size = 0;
    if (const QString reason = openRegularFile(path, file, size); !reason.isEmpty())
        return failed(reason);
    return readOpenFile(file, size, limit);
}
