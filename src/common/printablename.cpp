#include "common/printablename.h"

#include "common/systemfilename.h"

QString printableName(const QString &name)
{
    QString shown;
    shown.reserve(name.size());
    for (const QChar character : name) {
        const char16_t code = character.unicode();
        if (code == u'\n')
            shown += QLatin1String("\\n");
        else if (code == u'\r')
            shown += QLatin1String("\\r");
        else if (code == u'\t')
            shown += QLatin1String("\\t");
#ifndef Q_OS_WIN
        // Where it is no separator, a backslash is a letter of the name and must not pass
        // for the start of an escape.
        else if (code == u'\\')
            shown += QLatin1String("\\\\");
#endif
        else if (const int byte = keptFileNameByte(character); byte >= 0)
            shown += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    return shown;
}
