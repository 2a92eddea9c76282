#pragma once

#include "judge/passresult.h"
#include "world/model/cellposition.h"

#include <QList>
#include <QString>

// The edge between two neighbouring cells that a ШАГ draws, without direction: the cell
// that comes first (by row, then column) is always `first`.
struct CellEdge
{
    CellPosition first;
    CellPosition second;

    friend bool operator==(const CellEdge &, const CellEdge &) = default;
    friend bool operator<(const CellEdge &a, const CellEdge &b);
};

CellEdge edgeBetween(CellPosition a, CellPosition b);

// The edges a pass drew, each once, sorted: direction and repetition do not count.
QList<CellEdge> drawnEdges(const QList<TraceSegment> &trace);

// The trace with each edge once, where it was first drawn: the same edges and the same
// picture in a size bounded by the field, however long the pass ran.
QList<TraceSegment> distinctSegments(const QList<TraceSegment> &trace);

// The edges of a sorted list that a second sorted list lacks.
QList<CellEdge> edgesNotIn(const QList<CellEdge> &edges, const QList<CellEdge> &others);

// "(3,4)-(4,4)"
QString edgeText(const CellEdge &edge);
// Edges joined by ", ", or empty; with `shown` >= 0 only that many, then how many more.
QString edgeListText(const QList<CellEdge> &edges, qsizetype shown = -1);
