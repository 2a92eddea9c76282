#pragma once

#include <QFile>
#include <QString>

// Opens a regular file for reading. Anything else (a folder, a pipe, a device, a socket) is
// refused before a byte is read and without waiting for a writer, so a name given by mistake
// can neither block the program nor make it read for ever. `size` gets the size the system
// gives. Returns why the file cannot be read (systemErrorText), empty when `file` is open.
QString openRegularFile(const QString &path, QFile &file, qint64 &size);
