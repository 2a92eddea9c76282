#include "cli/run/output/alignedrows.h"

QStringList alignedRows(const QList<QStringList> &rows, const QString &indent)
{
    QList<qsizetype> widths;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = qMax(widths[i], row.at(i).size());
        }
    }
    QStringList lines;
    for (const QStringList &row : rows) {
        QString line = indent;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                line += QStringLiteral("  ");
            line += i + 1 < row.size() ? row.at(i).leftJustified(widths[i]) : row.at(i);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}
