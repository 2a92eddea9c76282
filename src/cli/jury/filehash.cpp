#include "cli/jury/filehash.h"

#include "common/regularfile.h"

#include <QCryptographicHash>
#include <QFile>

QString sha256OfBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString sha256OfFile(const QString &path)
{
    QFile file;
    qint64 size = 0;
    if (!openRegularFile(path, file, size).isEmpty())
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return {};
    return QString::fromLatin1(hash.result().toHex());
}
