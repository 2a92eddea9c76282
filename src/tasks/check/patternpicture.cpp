#include "tasks/check/patternpicture.h"

#include "common/filebytes.h"

#include <QBuffer>
#include <QImageReader>

PatternPicture readPatternPicture(const QString &path)
{
    const FileBytes read = readFileBytes(path, maxReadFileSize);
    if (read.isTooLarge)
        return {{}, QStringLiteral("файл больше 4 Мбайт")};
    if (!read.isOk())
        return {{}, read.reason};
    QBuffer buffer;
    buffer.setData(read.bytes);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, reader.errorString()};
    return {image, {}};
}
