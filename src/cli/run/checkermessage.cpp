#include "cli/run/checkermessage.h"

QString checkerMessage(const QString &message)
{
    return QStringLiteral("shagaika-check: ") + message + QLatin1Char('\n');
}
