#pragma once

#include <QByteArray>
#include <QString>

// The SHA-256 of a file's bytes (the very bytes that were read and judged) in lower-case
// hex, as sha256sum prints it for that file.
QString sha256OfBytes(const QByteArray &bytes);
