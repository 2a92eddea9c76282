#include "common/atomicwrite.h"

#include "common/systemerror.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

FileWriteResult writeFileAtomically(const QString &path, const QByteArray &bytes, FileWriteFault fault)
{
    const QFileInfo target(path);
    // The save file reports a folder in words of its own, without an error number.
    if (target.isDir())
        return {systemErrorText(EISDIR), false};
    const bool hadOldFile = target.exists();
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {writeFailureText(errno, file), false, hadOldFile};

    // QSaveFile::commit() renames even when its buffer could not be flushed, so every
    // step is checked here and an unfinished file is cancelled before commit() is reached.
    const QByteArray written = fault == FileWriteFault::ShortWrite ? bytes.left(bytes.size() / 2) : bytes;
    errno = 0;
    const qint64 count = file.write(written);
    if (count != bytes.size()) {
        const int errorNumber = errno;
        file.cancelWriting();
        return {count < 0 || errorNumber != 0 ? writeFailureText(errorNumber, file)
                                              : QStringLiteral("записана только часть файла"),
                true, hadOldFile};
    }

    errno = 0;
    const bool flushed = fault == FileWriteFault::NoSpaceAtFlush ? (errno = ENOSPC, false) : file.flush();
    if (!flushed || file.error() != QFileDevice::NoError) {
        const int errorNumber = errno;
        file.cancelWriting();
        return {writeFailureText(errorNumber, file), true, hadOldFile};
    }

    if (fault == FileWriteFault::FailedRename) {
        file.cancelWriting();
        return {systemErrorText(EACCES), true, hadOldFile};
    }
    errno = 0;
    if (!file.commit())
        return {writeFailureText(errno, file), true, hadOldFile};
    return {QString(), true, hadOldFile};
}
