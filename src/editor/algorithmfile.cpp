#include "editor/algorithmfile.h"

#include "common/textencoding.h"
#include "editor/algorithmline.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

QString shownName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

QString cannotCreateFileMessage(const QString &fileName)
{
    return QStringLiteral("Не удалось создать файл ") + shownName(fileName);
}

QString cannotOpenFileMessage(const QString &fileName)
{
    return QStringLiteral("Не удалось открыть файл ") + shownName(fileName);
}

QString cannotWriteFileMessage(const QString &fileName)
{
    return QStringLiteral("Не удалось записать файл ") + shownName(fileName)
        + QStringLiteral(" (прежний файл не изменён)");
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

QByteArray algorithmFileBytes(const QStringList &lines)
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
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, cannotOpenFileMessage(fileName)};
    // Read one byte past the limit, so that a file growing meanwhile is still caught.
    const QByteArray bytes = file.read(maxAlgorithmFileSize + 1);
    if (bytes.size() > maxAlgorithmFileSize)
        return {{}, fileTooLargeMessage(fileName)};
    if (file.error() != QFileDevice::NoError)
        return {{}, cannotOpenFileMessage(fileName)};
    return {algorithmLinesFromBytes(bytes), {}};
}

QString writeAlgorithmFile(const QString &fileName, const QStringList &lines)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return cannotCreateFileMessage(fileName);
    const QByteArray bytes = algorithmFileBytes(lines);
    // An unfinished QSaveFile is discarded, and the old file stays as it was.
    if (file.write(bytes) != bytes.size() || !file.commit())
        return cannotWriteFileMessage(fileName);
    return {};
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
