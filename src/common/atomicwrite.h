#pragma once

#include "common/filewritefault.h"

#include <QByteArray>
#include <QString>

struct FileWriteResult
{
    // Empty on success; otherwise why the write failed (systemErrorText).
    QString reason;
    // False when not even the temporary file could be made (a folder without write access).
    bool wasCreated = true;
    // Whether a file of that name was there before; a failed write leaves it as it was.
    bool hadOldFile = false;

    bool isOk() const { return reason.isEmpty(); }
};

// Replaces the file by the bytes as a whole or not at all: they go to a temporary file
// beside it, which takes the file's name only when every byte has reached the disk; on any
// failure the temporary file is removed and the old file stays as it was.
FileWriteResult writeFileAtomically(const QString &path, const QByteArray &bytes,
                                    FileWriteFault fault = FileWriteFault::None);
