#include "cli/jury/filehash.h"

#include <QCryptographicHash>

QString sha256OfBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}
