#pragma once

#include "judge/celledge.h"
#include "judge/testpass.h"
#include "world/model/world.h"

#include <QImage>
#include <QList>

// Pictures of a pass for the jury, drawn with the field scene. They need a GUI
// application for their fonts (no window is shown).

// The field as the pass left it, as the desktop shows it: walls with the variable ones set
// to the pass's arrangement, points, the trace of ШАГ and the executor where it stopped.
// `world` is the field of the pass's test (testField).
QImage passPicture(const World &world, const TestPass &pass, int unit);

// Which lines of the legend apply to the task.
struct DiffLegend
{
    bool hasReference = false; // the reference's edges are drawn
    bool hasPointB = true;     // otherwise a drawing task: missing and extra edges are marked
};

// The field without the trace, and over it the reference's edges (wide, green) and the
// pupil's (narrow, blue); a red ring marks an edge the pupil lacks, a magenta cross one
// the pupil has beyond the reference, a red frame the cell of a crash. Below the field
// stand the test and why it failed (wrapped to the picture's width) and a legend of only
// what the picture can show.
QImage diffPicture(const World &world, const TestPass &pass, const QList<CellEdge> &referenceEdges, int unit,
                   const DiffLegend &legend);

namespace DiffColours {
inline constexpr QRgb reference = qRgb(40, 170, 60);
inline constexpr QRgb pupil = qRgb(30, 80, 220);
inline constexpr QRgb missing = qRgb(230, 0, 0);
inline constexpr QRgb extra = qRgb(220, 0, 220);
} // namespace DiffColours
