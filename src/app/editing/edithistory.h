#pragma once

#include "app/editing/editorsnapshot.h"

#include <deque>
#include <optional>
#include <vector>

// The undo and redo steps of the editor. Each step keeps the state before and after
// its change: undo goes back to the one, redo forward to the other, whatever the
// pupil selected in between. A step holds only the lines its change replaced, not
// copies of the whole text, so a long text costs little per edit; the oldest steps
// are dropped beyond the limits of steps and of bytes.
class EditHistory
{
public:
    static constexpr int defaultMaxSteps = 10000;
    static constexpr qsizetype defaultMaxBytes = qsizetype(64) * 1024 * 1024;

    explicit EditHistory(int maxSteps = defaultMaxSteps, qsizetype maxBytes = defaultMaxBytes);

    // A change was made. Nothing is left to redo.
    void record(const EditorSnapshot &before, const EditorSnapshot &after);
    // The state to go back to; the step becomes the next one to redo.
    std::optional<EditorSnapshot> undo();
    // The state to go forward to; the step can be undone again.
    std::optional<EditorSnapshot> redo();
    void clear();

private:
    // The lines from first on that one text had (removed) and the next has (inserted).
    struct LinePatch
    {
        qsizetype first = 0;
        QStringList removed;
        QStringList inserted;
    };
    struct Step
    {
        // From the text the previous step left to this step's text before; empty but
        // when the text was changed outside the history in between.
        LinePatch gap;
        LinePatch change;
        // The snapshots without their lines.
        EditorSnapshot before;
        EditorSnapshot after;
        qsizetype bytes = 0;
    };

    static LinePatch difference(const QStringList &from, const QStringList &to);
    static void forward(QStringList &lines, const LinePatch &patch);
    static void backward(QStringList &lines, const LinePatch &patch);
    static qsizetype bytesOf(const Step &step);

    void pushUndo(Step step);

    int m_maxSteps;
    qsizetype m_maxBytes;
    // What the steps keep, in bytes, roughly as the memory they hold.
    qsizetype m_bytes = 0;
    // The text after the newest step that is not undone.
    QStringList m_current;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
};
