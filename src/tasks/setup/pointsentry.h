#pragma once

#include "world/model/cellposition.h"
#include "world/model/startposition.h"

#include <QString>

// What the pupil entered in the points panel, as typed: point А with its heading and
// point Б, each switched on or off.
struct PointsEntry
{
    enum Field { StartColumn, StartRow, PointBColumn, PointBRow };

    bool startSet = true;
    QString startColumn = QStringLiteral("0");
    QString startRow = QStringLiteral("0");
    qint16 startHeading = 0;
    bool pointBSet = false;
    QString pointBColumn = QStringLiteral("0");
    QString pointBRow = QStringLiteral("0");
};

// The points an entry gives on a field of fieldSize cells, or why it gives none.
struct PointsReading
{
    StartPosition start;
    CellPosition pointB;
    // Empty when every number in use is a whole number inside the field.
    QString error;
    PointsEntry::Field badField = PointsEntry::StartColumn;

    bool isOk() const { return error.isEmpty(); }
};

// Reads every number that is in use (those of a point switched off are not) before any
// of them is taken, so that one bad field leaves both points as they were. A point
// switched off is −1 in every value.
PointsReading readPointsEntry(const PointsEntry &entry, int fieldSize);

// The heading of an item of the heading list: "вправо" 0, "вверх" 90, "влево" 180,
// "вниз" 270; no chosen item (-1) is 0.
qint16 headingOfItem(int item);
