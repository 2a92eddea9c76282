#include "app/edithistory.h"

#include <algorithm>

EditHistory::EditHistory(int maxSteps)
    : m_maxSteps(std::max(maxSteps, 1))
{
}

void EditHistory::pushUndo(const EditorSnapshot &state)
{
    m_undo.push_back(state);
    while (int(m_undo.size()) > m_maxSteps)
        m_undo.pop_front();
}

void EditHistory::record(const EditorSnapshot &before)
{
    pushUndo(before);
    m_redo.clear();
}

std::optional<EditorSnapshot> EditHistory::undo(const EditorSnapshot &present)
{
    if (m_undo.empty())
        return std::nullopt;
    EditorSnapshot previous = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(present);
    return previous;
}

std::optional<EditorSnapshot> EditHistory::redo(const EditorSnapshot &present)
{
    if (m_redo.empty())
        return std::nullopt;
    EditorSnapshot next = std::move(m_redo.back());
    m_redo.pop_back();
    pushUndo(present);
    return next;
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}
