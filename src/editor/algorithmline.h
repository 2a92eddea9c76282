#pragma once

#include "editor/linekind.h"

#include <QString>
#include <QStringList>

// Shown at the end of the title line; no operation changes it.
inline constexpr int algorithmNumber = 0;
// The row of "КОН" in the skeleton: the first row after "НАЧ".
inline constexpr int skeletonFirstBodyRow = 4;
// Height of one row of the algorithm list in pixels.
inline constexpr int algorithmRowHeight = 16;

// Blanks for every line inserted before `line`.
QString insertionIndent(const QString &line);

QString titleLine();
QStringList algorithmSkeleton(bool hasPointB);

// The selection rule applied when the pupil selects `row`: the row that ends up
// selected. "НЦ" and "ТО" pass to the next row, header lines and "НАЧ" to row 4.
// When that row is not in the text the pupil's row stays; a row outside the text
// gives -1.
int rowAfterPupilSelection(const QStringList &lines, int row);

// Half the number of whole rows that fit in a list of this height.
int halfVisibleLines(int listHeight);
