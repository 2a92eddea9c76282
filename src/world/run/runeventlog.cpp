#include "world/run/runeventlog.h"

QString RunEventLog::endName(RunEnd end)
{
    switch (end) {
    case RunEnd::Complete: return QStringLiteral("complete");
    case RunEnd::Stopped: return QStringLiteral("limit");
    case RunEnd::Crash: return QStringLiteral("crash");
    case RunEnd::Error: return QStringLiteral("error");
    }
    return {};
}

QString RunEventLog::escapedText(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return escaped;
}

void RunEventLog::lineHighlighted(int row)
{
    append(QStringLiteral("highlight %1").arg(row));
}

void RunEventLog::executorStepped(CellPosition, CellPosition to)
{
    append(QStringLiteral("step %1 %2").arg(to.column).arg(to.row));
}

void RunEventLog::executorJumped(CellPosition to)
{
    append(QStringLiteral("jump %1 %2").arg(to.column).arg(to.row));
}

void RunEventLog::executorTurned(qint16 heading)
{
    append(QStringLiteral("turn %1").arg(heading));
}

void RunEventLog::executorCrashed()
{
    append(QStringLiteral("crash"));
}

void RunEventLog::waitStarted(int milliseconds)
{
    append(QStringLiteral("wait %1").arg(milliseconds));
}

void RunEventLog::messageShown(const RunMessage &message)
{
    append(QStringLiteral("message ") + escapedText(message.text));
}

void RunEventLog::passStarted(const QList<int> &arrangement)
{
    if (arrangement.isEmpty())
        return;
    QString line = QStringLiteral("arrangement");
    for (int selector : arrangement)
        line += QLatin1Char(' ') + QString::number(selector);
    append(line);
}

void RunEventLog::runFinished(RunEnd end)
{
    append(QStringLiteral("end ") + endName(end));
}
