#include "common/textencoding.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

// Code points of the bytes 0x80 ... 0xFF. Byte 0x98 has no character; it maps to U+0098
// so that it survives a round trip.
constexpr std::array<char16_t, 128> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const QByteArray utf8Bom("\xEF\xBB\xBF");
const QByteArray utf16LittleEndianBom("\xFF\xFE");
const QByteArray utf16BigEndianBom("\xFE\xFF");

} // namespace

QString decodeWindows1251(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        *out++ = byte < 0x80 ? QChar(char16_t(byte)) : QChar(upperHalf[byte - 0x80]);
    }
    return text;
}

namespace {

const QHash<char16_t, char> &windows1251Codes()
{
    static const QHash<char16_t, char> reverse = [] {
        QHash<char16_t, char> map;
        for (int i = 0; i < 128; ++i)
            map.insert(upperHalf[i], char(0x80 + i));
        return map;
    }();
    return reverse;
}

} // namespace

qsizetype firstOutsideWindows1251(const QString &text)
{
    const QHash<char16_t, char> &codes = windows1251Codes();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit >= 0x80 && !codes.contains(unit))
            return i;
    }
    return -1;
}

std::optional<QByteArray> encodeWindows1251(const QString &text)
{
    const QHash<char16_t, char> &reverse = windows1251Codes();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit < 0x80) {
            bytes.append(char(unit));
            continue;
        }
        const auto found = reverse.constFind(unit);
        if (found == reverse.constEnd())
            return std::nullopt;
        bytes.append(*found);
    }
    return bytes;
}

namespace {

bool isValidUtf8(const QByteArray &bytes)
{
    // Stateless: a sequence cut off at the end is an error, not a pending character.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    Q_UNUSED(decoded);
    return !decoder.hasError();
}

// A mark that decides the reading, whatever follows it.
bool startsWithByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith(utf8Bom) || bytes.startsWith(utf16LittleEndianBom)
        || bytes.startsWith(utf16BigEndianBom);
}

} // namespace

bool isUtf8Text(const QByteArray &bytes)
{
    if (bytes.startsWith(utf8Bom))
        return isValidUtf8(bytes.mid(utf8Bom.size()));
    bool hasMultiByte = false;
    for (const char ch : bytes) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            hasMultiByte = true;
            break;
        }
    }
    return hasMultiByte && isValidUtf8(bytes);
}

TextEncoding detectTextEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith(utf16LittleEndianBom))
        return TextEncoding::Utf16LittleEndian;
    if (bytes.startsWith(utf16BigEndianBom))
        return TextEncoding::Utf16BigEndian;
    if (isUtf8Text(bytes))
        return TextEncoding::Utf8;
    if (bytes.startsWith(utf8Bom))
        return TextEncoding::Utf8WithWrongMark;
    return TextEncoding::Windows1251;
}

QString decodeText(const QByteArray &bytes)
{
    // Only the file's own mark is dropped; a second one belongs to the text.
    const auto decodeBody = [&bytes](QStringDecoder::Encoding encoding, qsizetype markSize) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::ConvertInitialBom);
        return QString(decoder.decode(bytes.mid(markSize)));
    };
    switch (detectTextEncoding(bytes)) {
    case TextEncoding::Windows1251: return decodeWindows1251(bytes);
    case TextEncoding::Utf8WithWrongMark: return decodeWindows1251(bytes.mid(utf8Bom.size()));
    case TextEncoding::Utf8:
        return decodeBody(QStringDecoder::Utf8, bytes.startsWith(utf8Bom) ? utf8Bom.size() : 0);
    case TextEncoding::Utf16LittleEndian:
        return decodeBody(QStringDecoder::Utf16LE, utf16LittleEndianBom.size());
    case TextEncoding::Utf16BigEndian: return decodeBody(QStringDecoder::Utf16BE, utf16BigEndianBom.size());
    }
    return decodeWindows1251(bytes);
}

EncodedText encodeText(const QString &text)
{
    const auto bytes = encodeWindows1251(text);
    if (!bytes)
        return {utf8Bom + text.toUtf8(), EncodedText::Encoding::Utf8OutsideWindows1251};
    // Windows-1251 bytes that happen to form valid UTF-8 would be read back as other
    // characters, so such a text is written as UTF-8 as well.
    // So is one that would begin with a byte-order mark.
    if (isUtf8Text(*bytes) || startsWithByteOrderMark(*bytes))
        return {utf8Bom + text.toUtf8(), EncodedText::Encoding::Utf8AmbiguousWindows1251};
    return {*bytes, EncodedText::Encoding::Windows1251};
}

QStringList splitTextLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && ch != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}
