#pragma once

#include <QByteArray>
#include <QString>

// Every file the programs read (tasks, algorithms, pictures) is small; anything larger
// was chosen by mistake, and reading it would only cost time and memory.
inline constexpr qint64 maxReadFileSize = 4 * 1024 * 1024;

// What reading a whole file gave: its bytes, or why there are none.
struct FileBytes
{
    QByteArray bytes;
    // Empty on success; otherwise why the file could not be read (systemErrorText).
    QString reason;
    // The file holds more than the limit; nothing beyond the limit is read.
    bool isTooLarge = false;

    bool isOk() const { return reason.isEmpty() && !isTooLarge; }
};

// Reads a regular file of at most `limit` bytes. Anything else (a folder, a pipe, a
// device) is refused before a byte is read and without waiting for a writer, so a name
// given by mistake can neither block the program nor make it read for ever. The bytes
// returned are the very ones read: a hash of them is a hash of what was judged.
FileBytes readFileBytes(const QString &path, qint64 limit);
