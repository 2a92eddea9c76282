#pragma once

#include <QByteArray>
#include <QString>

// The SHA-256 of a file's bytes (the very bytes that were read and judged) in lower-case
// hex, as sha256sum prints it for that file.
QString sha256OfBytes(const QByteArray &bytes);

// The same of a file as it lies on disk, read piece by piece whatever its size, so that a
// file too large to be judged can still be cited; empty when it cannot be read (only a
// regular file is, never a pipe or a device).
QString sha256OfFile(const QString &path);
