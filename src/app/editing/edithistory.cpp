#include "app/editing/edithistory.h"

#include <algorithm>

EditHistory::EditHistory(int maxSteps)
    : m_maxSteps(std::max(maxSteps, 1))
{
}

void EditHistory::pushUndo(Step step)
{
    m_undo.push_back(std::move(step));
    while (int(m_undo.size()) > m_maxSteps)
        m_undo.pop_front();
}

void EditHistory::record(const EditorSnapshot &before, const EditorSnapshot &after)
{
    pushUndo({before, after});
    m_redo.clear();
}

std::optional<EditorSnapshot> EditHistory::undo()
{
    if (m_undo.empty())
        return std::nullopt;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    EditorSnapshot previous = step.before;
    m_redo.push_back(std::move(step));
    return previous;
}

std::optional<EditorSnapshot> EditHistory::redo()
{
    if (m_redo.empty())
        return std::nullopt;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    EditorSnapshot next = step.after;
    pushUndo(std::move(step));
    return next;
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}
