#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names as the system hands them over: on Unix a name is any bytes, and one unpacked
// from another system's archive need not be UTF-8. Such bytes would be lost in decoding, so
// each byte that is no part of a valid UTF-8 sequence is kept as a lone low surrogate
// (U+DC80 .. U+DCFF), which no decoded text holds, and written back as that very byte.
QString fileNameFromSystem(const QByteArray &bytes);
// A program's arguments after its name, as the system gave them: a file name that is not
// UTF-8 still opens.
QStringList argumentsFromSystem(int argc, char *argv[]);
QByteArray fileNameToSystem(const QString &name);

// The byte a character keeps, or -1 when it is ordinary text.
int keptFileNameByte(QChar character);
