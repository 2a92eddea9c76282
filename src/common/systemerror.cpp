#include "common/systemerror.h"

#include <QFileDevice>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

// The errors that have a text of their own.
constexpr std::array knownErrors{ENOSPC, EFBIG,        EACCES, EPERM, EROFS,  ENOENT, ENOTDIR, EISDIR,
                                 ELOOP,  ENAMETOOLONG, EIO,    EBUSY, EMFILE, ENFILE, ENOMEM,  EXDEV,
#ifdef EDQUOT
                                 EDQUOT
#endif
};

} // namespace

QString systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC: return QStringLiteral("на диске нет свободного места");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("исчерпана дисковая квота");
#endif
    case EFBIG: return QStringLiteral("файл больше, чем допускает файловая система");
    case EACCES:
    case EPERM: return QStringLiteral("нет прав доступа");
    case EROFS: return QStringLiteral("файловая система открыта только для чтения");
    case ENOENT: return QStringLiteral("нет такого файла или папки");
    case ENOTDIR: return QStringLiteral("часть пути — не папка");
    case EISDIR: return QStringLiteral("это папка, а не файл");
    case ELOOP: return QStringLiteral("символические ссылки зациклены");
    case ENAMETOOLONG: return QStringLiteral("слишком длинное имя");
    case EIO: return QStringLiteral("ошибка ввода-вывода");
    case EBUSY: return QStringLiteral("файл занят");
    case EMFILE:
    case ENFILE: return QStringLiteral("открыто слишком много файлов");
    case ENOMEM: return QStringLiteral("не хватает памяти");
    case EXDEV: return QStringLiteral("временный файл оказался на другом диске");
    default: break;
    }
    return QStringLiteral("системная ошибка %1").arg(errorNumber);
}

QString systemErrorText(const QString &description)
{
    for (const int errorNumber : knownErrors) {
        if (description == QString::fromLocal8Bit(std::strerror(errorNumber)))
            return systemErrorText(errorNumber);
    }
    return description;
}

QString writeFailureText(int errorNumber, const QFileDevice &file)
{
    if (errorNumber != 0)
        return systemErrorText(errorNumber);
    if (file.error() != QFileDevice::NoError && !file.errorString().isEmpty())
        return systemErrorText(file.errorString());
    return QStringLiteral("запись прервалась");
}
