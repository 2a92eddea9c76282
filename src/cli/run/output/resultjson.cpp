#include "cli/run/output/resultjson.h"

#include "cli/run/checkeroptions.h"
#include "world/run/runeventlog.h"

namespace {

QString intList(const QList<int> &values)
{
    QStringList items;
    items.reserve(values.size());
    for (int value : values)
        items.append(QString::number(value));
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString passJson(const PassResult &pass)
{
    QString trace;
    trace.reserve(pass.trace.size() * 20);
    for (const TraceSegment &segment : pass.trace) {
        if (!trace.isEmpty())
            trace += QStringLiteral(", ");
        trace += QStringLiteral("[%1, %2, %3, %4]")
                     .arg(segment.from.column)
                     .arg(segment.from.row)
                     .arg(segment.to.column)
                     .arg(segment.to.row);
    }
    return QStringLiteral("{\"arrangement\": %1, \"end\": %2, \"lines\": %3, \"elapsed_ms\": %4, "
                          "\"executor\": {\"column\": %5, \"row\": %6, \"heading\": %7}, \"trace\": [%8]}")
        .arg(intList(pass.arrangement), jsonString(RunEventLog::endName(pass.end)))
        .arg(pass.lines)
        .arg(pass.elapsedMs)
        .arg(pass.executor.column)
        .arg(pass.executor.row)
        .arg(pass.executor.heading)
        .arg(trace);
}

} // namespace

QString jsonString(const QString &text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A byte of a file name that is not UTF-8 is kept as a lone surrogate; written as an
        // escape it survives, and a reader that decodes names the same way (Python's
        // os.fsencode, for one) gets the very bytes back, where UTF-8 output would lose them.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            quoted += c;
            quoted += text.at(++i);
            continue;
        }
        if (c.isSurrogate()) {
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        switch (c.unicode()) {
        case '"': quoted += QStringLiteral("\\\""); break;
        case '\\': quoted += QStringLiteral("\\\\"); break;
        case '\b': quoted += QStringLiteral("\\b"); break;
        case '\f': quoted += QStringLiteral("\\f"); break;
        case '\n': quoted += QStringLiteral("\\n"); break;
        case '\r': quoted += QStringLiteral("\\r"); break;
        case '\t': quoted += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

QString resultJsonLine(const FileResult &result)
{
    QStringList passes;
    passes.reserve(result.passes.size());
    for (const PassResult &pass : result.passes)
        passes.append(passJson(pass));
    return QStringLiteral("{\"file\": %1, \"size\": %2, \"speed\": %3, \"end\": %4, \"passes\": [%5]}")
        .arg(jsonString(result.file), QString::number(result.fieldSize), jsonString(speedName(result.speed)),
             jsonString(RunEventLog::endName(result.end)), passes.join(QStringLiteral(", ")));
}
