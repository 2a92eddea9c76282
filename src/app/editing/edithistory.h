#pragma once

#include "app/editing/editorsnapshot.h"

#include <deque>
#include <optional>
#include <vector>

// The undo and redo steps of the editor. Each step keeps the state before and after
// its change: undo goes back to the one, redo forward to the other, whatever the
// pupil selected in between. The oldest steps are dropped beyond the limit.
class EditHistory
{
public:
    static constexpr int defaultMaxSteps = 10000;

    explicit EditHistory(int maxSteps = defaultMaxSteps);

    // A change was made. Nothing is left to redo.
    void record(const EditorSnapshot &before, const EditorSnapshot &after);
    // The state to go back to; the step becomes the next one to redo.
    std::optional<EditorSnapshot> undo();
    // The state to go forward to; the step can be undone again.
    std::optional<EditorSnapshot> redo();
    void clear();

    int undoCount() const { return int(m_undo.size()); }
    int redoCount() const { return int(m_redo.size()); }
    int maxSteps() const { return m_maxSteps; }

private:
    struct Step
    {
        EditorSnapshot before;
        EditorSnapshot after;
    };

    void pushUndo(Step step);

    int m_maxSteps;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
};
