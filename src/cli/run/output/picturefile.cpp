#include "cli/run/output/picturefile.h"

#include "cli/run/output/protectedfiles.h"
#include "common/atomicwrite.h"
#include "common/systemfilename.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>

QString replacesInputMessage(const QString &path, const QString &input)
{
    if (path == input)
        return QStringLiteral("%1 — один из входных файлов проверки; он не будет заменён")
            .arg(QDir::toNativeSeparators(path));
    return QStringLiteral("%1 — это входной файл проверки %2; он не будет заменён")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(input));
}

QString writePictureFile(const QImage &picture, const QString &path, const ProtectedFiles &inputs,
                         FileWriteFault fault)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (const QString input = inputs.replacedBy(path); !input.isEmpty())
        return QStringLiteral("Не удаётся записать картинку: ") + replacesInputMessage(path, input);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!picture.save(&png, "PNG"))
        return QStringLiteral("Не удаётся записать картинку %1: PNG не получился").arg(shown);
    const FileWriteResult written = writeFileAtomically(path, png.data(), fault);
    if (!written.isOk())
        return QStringLiteral("Не удаётся записать картинку %1: %2").arg(shown, written.reason);
    return {};
}

QString fittedPictureStem(const QString &head, const QString &stem, const QString &tail)
{
    constexpr qsizetype longestName = 255 - 7;
    const QString headName =
        head.mid(qMax(head.lastIndexOf(QLatin1Char('/')), head.lastIndexOf(QLatin1Char('\\'))) + 1);
    const auto fits = [&](const QString &part) {
        return fileNameToSystem(headName + part + tail).size() <= longestName;
    };
    if (fits(stem))
        return stem;
    const QString mark =
        QLatin1Char('~')
        + QString::fromLatin1(
            QCryptographicHash::hash(fileNameToSystem(stem), QCryptographicHash::Sha256).toHex().left(8));
    QString cut = stem;
    while (!cut.isEmpty() && !fits(cut + mark))
        cut.chop(cut.size() > 1 && cut.back().isLowSurrogate() && cut.at(cut.size() - 2).isHighSurrogate()
                     ? 2
                     : 1);
    return cut + mark;
}
