// Memory of the undo history: 100 one-line edits of a 4 MB algorithm text, recorded as
// the editor records them (the state before and after each edit), and the heap in use
// measured against the text alone.

#include "app/editing/edithistory.h"

#include <QStringList>

#include <malloc.h>

#include <chrono>
#include <cstdio>

namespace {

double megabytesInUse()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

} // namespace

int main()
{
    const double atStart = megabytesInUse();
    // 4 MB in the file: lines of 20 bytes with their line breaks.
    QStringList text;
    const int lineCount = 4 * 1024 * 1024 / 20;
    for (int i = 0; i < lineCount; ++i)
        text.append(QStringLiteral("   ШАГ %1").arg(i, 9, 10, QLatin1Char('.')).left(18));
    const double textAlone = megabytesInUse() - atStart;

    EditHistory history;
    const int edits = 100;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < edits; ++i) {
        EditorSnapshot before;
        before.lines = text;
        before.currentRow = i;
        if (i % 2)
            text.insert((i * 7919) % text.size(), QStringLiteral("   ПОВОРОТ"));
        else
            text.removeAt((i * 7919) % text.size());
        EditorSnapshot after;
        after.lines = text;
        after.currentRow = i + 1;
        history.record(before, after);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double withHistory = megabytesInUse() - atStart;
    std::printf("text: %d lines, %.1f MB in memory\n", lineCount, textAlone);
    std::printf("after %d edits: %.1f MB in memory, %.1f MB more than the text (limit 100 MB)\n", edits,
                withHistory, withHistory - textAlone);
    std::printf("%.3f s for the edits\n", seconds);
    int undone = 0;
    while (history.undo())
        ++undone;
    std::printf("after undoing all %d steps: %.1f MB in memory\n", undone, megabytesInUse() - atStart);
    return withHistory - textAlone < 100.0 ? 0 : 1;
}
