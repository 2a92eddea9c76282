#pragma once

#include <QByteArray>

// The bytes a text file is written in, and the encoding chosen for them.
struct EncodedText
{
    enum class Encoding {
        Windows1251,
        // Some character has no Windows-1251 code.
        Utf8OutsideWindows1251,
        // Every character has a code, but the Windows-1251 bytes would be read back as other
        // characters (they form valid UTF-8, or begin with a byte-order mark).
        Utf8AmbiguousWindows1251,
    };

    QByteArray bytes;
    Encoding encoding = Encoding::Windows1251;
};
