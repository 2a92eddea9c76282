#pragma once

#include "common/encodedtext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program (tasks, algorithms) are Windows-1251. Files written on
// Linux are often UTF-8, so a file with a byte-order mark, or valid UTF-8 holding at
// least one multi-byte sequence, is read as UTF-8 instead. Notepad's "Unicode" is
// UTF-16 with its byte-order mark, read as such. A UTF-8 mark in front of text that is
// no UTF-8 was put there wrongly: the text after it is read as Windows-1251.

enum class TextEncoding { Windows1251, Utf8, Utf8WithWrongMark, Utf16LittleEndian, Utf16BigEndian };

QString decodeWindows1251(const QByteArray &bytes);
// Empty when some character has no Windows-1251 code.
std::optional<QByteArray> encodeWindows1251(const QString &text);
// The position of the first character that has no Windows-1251 code, or -1.
qsizetype firstOutsideWindows1251(const QString &text);

bool isUtf8Text(const QByteArray &bytes);
TextEncoding detectTextEncoding(const QByteArray &bytes);
QString decodeText(const QByteArray &bytes);
// Windows-1251 when every character fits, otherwise UTF-8 with a byte-order mark,
// so that no character is ever lost: decodeText(encodeText(text).bytes) == text.
EncodedText encodeText(const QString &text);

// Splits a text into lines at CR LF, a lone CR and a lone LF; a break at the very end
// adds no empty line.
QStringList splitTextLines(const QString &text);
