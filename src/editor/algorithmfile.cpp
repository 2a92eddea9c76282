#include "editor/algorithmfile.h"

#include "common/atomicwrite.h"
#include "common/filebytes.h"
#include "common/printablename.h"
#include "common/textencoding.h"
#include "editor/algorithmline.h"
#include "editor/linekind.h"

#include <QDir>

namespace {

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1251: return QStringLiteral("Windows-1251");
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithWrongMark: return QStringLiteral("UTF-8 с ошибочной меткой");
    case TextEncoding::Utf16LittleEndian: return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16BigEndian: break;
    }
    return QStringLiteral("UTF-16 BE");
}

QString shownName(const QString &fileName)
{
    return printableName(QDir::toNativeSeparators(fileName));
}

QString withReason(QString message, const QString &reason)
{
    if (!reason.isEmpty())
        message += QStringLiteral(": ") + reason;
    return message;
}

} // namespace

QString cannotCreateFileMessage(const QString &fileName, const QString &reason)
{
    return withReason(QStringLiteral("Не удалось создать файл ") + shownName(fileName), reason);
}

QString cannotOpenFileMessage(const QString &fileName, const QString &reason)
{
    return withReason(QStringLiteral("Не удалось открыть файл ") + shownName(fileName), reason);
}

QString writtenAsUtf8Message(const QString &fileName)
{
    return QStringLiteral("Файл ") + shownName(fileName)
        + QStringLiteral(" записан в кодировке UTF-8: в алгоритме есть знаки, которых нет в кодировке "
                         "Windows-1251. Программы, читающие только Windows-1251, покажут их неверно.");
}

QString cannotWriteFileMessage(const QString &fileName, const QString &reason)
{
    return withReason(QStringLiteral("Не удалось записать файл ") + shownName(fileName)
                          + QStringLiteral(" (прежний файл не изменён)"),
                      reason);
}

QString writeFailedMessage(const QString &fileName, const FileWriteResult &written)
{
    return written.wasCreated && written.hadOldFile ? cannotWriteFileMessage(fileName, written.reason)
                                                    : cannotCreateFileMessage(fileName, written.reason);
}

QString fileTooLargeMessage(const QString &fileName)
{
    return QStringLiteral("Файл ") + shownName(fileName)
        + QStringLiteral(" слишком велик для алгоритма (больше 4 Мбайт)");
}

QStringList algorithmLinesFromBytes(const QByteArray &bytes)
{
    const TextEncoding encoding = detectTextEncoding(bytes);
    if (encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian) {
        // Most characters hold a zero byte there, so the text ends at a zero character instead.
        const QString text = decodeText(bytes);
        const qsizetype nul = text.indexOf(QChar(u'\0'));
        return splitTextLines(nul < 0 ? text : text.left(nul));
    }
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = decodeText(nul < 0 ? bytes : bytes.left(nul));

    return splitTextLines(text);
}

EncodedText encodeAlgorithmFile(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return encodeText(text);
}

AlgorithmFileResult readAlgorithmFile(const QString &fileName)
{
    const FileBytes read = readFileBytes(fileName, maxAlgorithmFileSize);
    if (read.isTooLarge)
        return {{}, {}, fileTooLargeMessage(fileName)};
    if (!read.isOk())
        return {{}, {}, cannotOpenFileMessage(fileName, read.reason)};
    return {algorithmLinesFromBytes(read.bytes), read.bytes, {}};
}

QString writeAlgorithmFile(const QString &fileName, const QStringList &lines, FileWriteFault fault,
                           EncodedText::Encoding *encoding)
{
    const EncodedText file = encodeAlgorithmFile(lines);
    if (encoding)
        *encoding = file.encoding;
    const FileWriteResult written = writeFileAtomically(fileName, file.bytes, fault);
    return written.isOk() ? QString() : writeFailedMessage(fileName, written);
}

QStringList rebuildProcedureList(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines) {
        if (isProcedureHead(line))
            names.append(procedureHeadName(line));
    }
    return names;
}

QString notAlgorithmReason(const QStringList &lines, const QByteArray &bytes)
{
    bool hasBegin = false;
    for (const QString &line : lines) {
        const LineKind kind = lineKind(line);
        if (kind == LineKind::Begin)
            hasBegin = true;
        else if (kind == LineKind::End && hasBegin)
            return {};
    }
    if (bytes.isEmpty())
        return QStringLiteral("пустой файл");
    if (hasBegin)
        return QStringLiteral("нет строки «КОН» после «НАЧ»");
    return QStringLiteral("нет строки «НАЧ» (текст прочитан в кодировке %1)")
        .arg(encodingName(detectTextEncoding(bytes)));
}
