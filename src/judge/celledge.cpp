#include "judge/celledge.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace {

bool cellBefore(CellPosition a, CellPosition b)
{
    return std::tie(a.row, a.column) < std::tie(b.row, b.column);
}

} // namespace

bool operator<(const CellEdge &a, const CellEdge &b)
{
    return std::tie(a.first.row, a.first.column, a.second.row, a.second.column)
        < std::tie(b.first.row, b.first.column, b.second.row, b.second.column);
}

CellEdge edgeBetween(CellPosition a, CellPosition b)
{
    return cellBefore(b, a) ? CellEdge{b, a} : CellEdge{a, b};
}

QList<CellEdge> drawnEdges(const QList<TraceSegment> &trace)
{
    QList<CellEdge> edges;
    edges.reserve(trace.size());
    for (const TraceSegment &segment : trace)
        edges.append(edgeBetween(segment.from, segment.to));
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

QList<TraceSegment> distinctSegments(const QList<TraceSegment> &trace)
{
    QList<TraceSegment> segments;
    QList<CellEdge> seen; // sorted
    for (const TraceSegment &segment : trace) {
        const CellEdge edge = edgeBetween(segment.from, segment.to);
        const auto place = std::lower_bound(seen.begin(), seen.end(), edge);
        if (place != seen.end() && *place == edge)
            continue;
        seen.insert(place, edge);
        segments.append(segment);
    }
    return segments;
}

QList<CellEdge> edgesNotIn(const QList<CellEdge> &edges, const QList<CellEdge> &others)
{
    QList<CellEdge> difference;
    std::set_difference(edges.begin(), edges.end(), others.begin(), others.end(),
                        std::back_inserter(difference));
    return difference;
}

QString edgeText(const CellEdge &edge)
{
    return QStringLiteral("(%1,%2)-(%3,%4)")
        .arg(edge.first.column)
        .arg(edge.first.row)
        .arg(edge.second.column)
        .arg(edge.second.row);
}

QString edgeListText(const QList<CellEdge> &edges, qsizetype shown)
{
    const qsizetype count = shown < 0 ? edges.size() : qMin(shown, edges.size());
    QStringList items;
    items.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        items.append(edgeText(edges.at(i)));
    QString text = items.join(QStringLiteral(", "));
    if (count < edges.size())
        text += QStringLiteral(" и ещё %1").arg(edges.size() - count);
    return text;
}
