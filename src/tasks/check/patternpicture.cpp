#include "tasks/check/patternpicture.h"

#include "common/filebytes.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// Qt's own words are English wherever its translations are not loaded (the checker, the editor).
QString pictureErrorText(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("не картинка: формат не распознан (нужен BMP)");
    case QImageReader::InvalidDataError: return QStringLiteral("картинка повреждена");
    case QImageReader::DeviceError: return QStringLiteral("ошибка чтения");
    case QImageReader::FileNotFoundError: return QStringLiteral("нет такого файла");
    case QImageReader::UnknownError: break;
    }
    return QStringLiteral("картинка не распознана");
}

} // namespace

PatternPicture readPatternPicture(const QString &path)
{
    const FileBytes read = readFileBytes(path, maxReadFileSize);
    if (read.isTooLarge)
        return {{}, QStringLiteral("файл больше 4 Мбайт")};
    if (!read.isOk())
        return {{}, read.reason};
    if (read.bytes.isEmpty())
        return {{}, QStringLiteral("файл пуст")};
    QBuffer buffer;
    buffer.setData(read.bytes);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, pictureErrorText(reader.error())};
    return {image, {}};
}
