#include "common/atomicwrite.h"

#include "common/systemerror.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

// The reason of the failed step: the system's error number when it left one, otherwise
// the device's own description.
QString failureReason(int errorNumber, const QSaveFile &file)
{
    if (errorNumber != 0)
        return systemErrorText(errorNumber);
    if (file.error() != QFileDevice::NoError && !file.errorString().isEmpty())
        return systemErrorText(file.errorString());
    return QStringLiteral("запись прервалась");
}

} // namespace

FileWriteResult writeFileAtomically(const QString &path, const QByteArray &bytes, FileWriteFault fault)
{
    // The save file reports a folder in words of its own, without an error number.
    if (QFileInfo(path).isDir())
        return {systemErrorText(EISDIR), false};
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {failureReason(errno, file), false};

    // QSaveFile::commit() renames even when its buffer could not be flushed, so every
    // step is checked here and an unfinished file is cancelled before commit() is reached.
    const QByteArray written = fault == FileWriteFault::ShortWrite ? bytes.left(bytes.size() / 2) : bytes;
    errno = 0;
    const qint64 count = file.write(written);
    if (count != bytes.size()) {
        const int errorNumber = errno;
        file.cancelWriting();
        return {count < 0 || errorNumber != 0 ? failureReason(errorNumber, file)
                                              : QStringLiteral("записана только часть файла")};
    }

    errno = 0;
    const bool flushed = fault == FileWriteFault::NoSpaceAtFlush ? (errno = ENOSPC, false) : file.flush();
    if (!flushed || file.error() != QFileDevice::NoError) {
        const int errorNumber = errno;
        file.cancelWriting();
        return {failureReason(errorNumber, file)};
    }

    if (fault == FileWriteFault::FailedRename) {
        file.cancelWriting();
        return {systemErrorText(EACCES)};
    }
    errno = 0;
    if (!file.commit())
        return {failureReason(errno, file)};
    return {};
}
