#include "world/runeventlog.h"

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
    m_lines.append(QStringLiteral("highlight %1").arg(row));
}

void RunEventLog::executorStepped(CellPosition, CellPosition to)
{
    m_lines.append(QStringLiteral("step %1 %2").arg(to.column).arg(to.row));
}

void RunEventLog::executorJumped(CellPosition to)
{
    m_lines.append(QStringLiteral("jump %1 %2").arg(to.column).arg(to.row));
}

void RunEventLog::executorTurned(qint16 heading)
{
    m_lines.append(QStringLiteral("turn %1").arg(heading));
}

void RunEventLog::executorCrashed()
{
    m_lines.append(QStringLiteral("crash"));
}

void RunEventLog::waitStarted(int milliseconds)
{
    m_lines.append(QStringLiteral("wait %1").arg(milliseconds));
}

void RunEventLog::messageShown(const RunMessage &message)
{
    m_lines.append(QStringLiteral("message ") + escapedText(message.text));
}

void RunEventLog::passStarted(const QList<int> &arrangement)
{
    if (arrangement.isEmpty())
        return;
    QString line = QStringLiteral("arrangement");
    for (int selector : arrangement)
        line += QLatin1Char(' ') + QString::number(selector);
    m_lines.append(line);
}

void RunEventLog::runFinished(RunEnd end)
{
    m_lines.append(QStringLiteral("end ") + endName(end));
}
