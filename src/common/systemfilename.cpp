#include "common/systemfilename.h"

#include <QFile>

namespace {

constexpr char16_t firstKeptByte = 0xDC80;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there begins none.
qsizetype sequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto byteAt = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byteAt(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t lowest = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if (!isContinuation(byteAt(at + i)))
            return 0;
        code = (code << 6) | (byteAt(at + i) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString fileNameFromSystem(const QByteArray &bytes)
{
    QString name;
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QFile::decodeName(bytes.mid(start, at - start));
        name +=
            QChar(static_cast<char16_t>(firstKeptByte + (static_cast<unsigned char>(bytes.at(at)) - 0x80)));
        ++at;
        start = at;
    }
    name += QFile::decodeName(bytes.mid(start));
    return name;
}

int keptFileNameByte(QChar character)
{
    const char16_t code = character.unicode();
    if (code < firstKeptByte || code > 0xDCFF)
        return -1;
    return 0x80 + (code - firstKeptByte);
}

QByteArray fileNameToSystem(const QString &name)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const int byte = keptFileNameByte(name.at(i));
        // The low half of a real surrogate pair is text, not a kept byte.
        if (byte < 0 || (i > 0 && name.at(i - 1).isHighSurrogate()))
            continue;
        bytes += QFile::encodeName(name.mid(start, i - start));
        bytes += static_cast<char>(byte);
        start = i + 1;
    }
    bytes += QFile::encodeName(name.mid(start));
    return bytes;
}

QStringList argumentsFromSystem(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
#ifdef Q_OS_UNIX
        arguments.append(fileNameFromSystem(QByteArray(argv[i])));
#else
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
    return arguments;
}
