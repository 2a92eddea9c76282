#pragma once

#include "app/editorsnapshot.h"

#include <deque>
#include <optional>
#include <vector>

// The undo and redo steps of the editor: the state before each change, and the
// states undone since the last change. The oldest steps are dropped beyond the limit.
class EditHistory
{
public:
    static constexpr int defaultMaxSteps = 10000;

    explicit EditHistory(int maxSteps = defaultMaxSteps);

    // A change was made; `before` is the state it started from. Nothing is left to redo.
    void record(const EditorSnapshot &before);
    // The state to go back to, given the present one, which becomes the next redo step.
    std::optional<EditorSnapshot> undo(const EditorSnapshot &present);
    // The state to go forward to, given the present one, which becomes an undo step again.
    std::optional<EditorSnapshot> redo(const EditorSnapshot &present);
    void clear();

    int undoCount() const { return int(m_undo.size()); }
    int redoCount() const { return int(m_redo.size()); }
    int maxSteps() const { return m_maxSteps; }

private:
    void pushUndo(const EditorSnapshot &state);

    int m_maxSteps;
    std::deque<EditorSnapshot> m_undo;
    std::vector<EditorSnapshot> m_redo;
};
