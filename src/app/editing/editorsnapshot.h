#pragma once

#include <QStringList>

// Everything an edit of the algorithm can change in the work window: the text and
// its selected line, the procedure names, the statistics rows as they are shown and
// whether "Отладка" is enabled.
struct EditorSnapshot
{
    QStringList lines;
    int currentRow = -1;
    QStringList procedureNames;
    QStringList statistics;
    bool debuggingEnabled = false;

    friend bool operator==(const EditorSnapshot &, const EditorSnapshot &) = default;
};
