#pragma once

#include <QString>

// The SHA-256 of a file's bytes in lower-case hex, as sha256sum prints it; empty when the
// file cannot be read.
QString sha256OfFile(const QString &path);
