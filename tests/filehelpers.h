#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file; "<unreadable>" where it cannot be read, so that a missing file
// never passes for an empty one.
inline QByteArray readBytes(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

// Writes the bytes as the whole file; whether every byte was written.
inline bool writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
