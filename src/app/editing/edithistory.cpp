#include "app/editing/edithistory.h"

#include <algorithm>

namespace {

qsizetype bytesOf(const QStringList &lines)
{
    qsizetype bytes = lines.size() * qsizetype(sizeof(QString));
    for (const QString &line : lines)
        bytes += line.size() * qsizetype(sizeof(QChar));
    return bytes;
}

EditorSnapshot withoutLines(const EditorSnapshot &state)
{
    EditorSnapshot rest = state;
    // Not clear(): a shared list would leave an empty one as large as the text.
    rest.lines = QStringList();
    return rest;
}

} // namespace

EditHistory::EditHistory(int maxSteps, qsizetype maxBytes)
    : m_maxSteps(std::max(maxSteps, 1))
    , m_maxBytes(std::max<qsizetype>(maxBytes, 0))
{
}

EditHistory::LinePatch EditHistory::difference(const QStringList &from, const QStringList &to)
{
    const qsizetype shorter = std::min(from.size(), to.size());
    qsizetype head = 0;
    while (head < shorter && from.at(head) == to.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && from.at(from.size() - 1 - tail) == to.at(to.size() - 1 - tail))
        ++tail;
    LinePatch patch;
    patch.first = head;
    patch.removed = from.mid(head, from.size() - head - tail);
    patch.inserted = to.mid(head, to.size() - head - tail);
    return patch;
}

void EditHistory::forward(QStringList &lines, const LinePatch &patch)
{
    lines.remove(patch.first, patch.removed.size());
    for (qsizetype i = 0; i < patch.inserted.size(); ++i)
        lines.insert(patch.first + i, patch.inserted.at(i));
}

void EditHistory::backward(QStringList &lines, const LinePatch &patch)
{
    lines.remove(patch.first, patch.inserted.size());
    for (qsizetype i = 0; i < patch.removed.size(); ++i)
        lines.insert(patch.first + i, patch.removed.at(i));
}

qsizetype EditHistory::bytesOf(const Step &step)
{
    return ::bytesOf(step.gap.removed) + ::bytesOf(step.gap.inserted) + ::bytesOf(step.change.removed)
        + ::bytesOf(step.change.inserted) + ::bytesOf(step.before.procedureNames)
        + ::bytesOf(step.before.statistics) + ::bytesOf(step.after.procedureNames)
        + ::bytesOf(step.after.statistics) + qsizetype(sizeof(Step));
}

void EditHistory::pushUndo(Step step)
{
    m_bytes += step.bytes;
    m_undo.push_back(std::move(step));
    // The newest step stays, however big, so that the last change can be undone.
    while (int(m_undo.size()) > m_maxSteps || (m_bytes > m_maxBytes && m_undo.size() > 1)) {
        m_bytes -= m_undo.front().bytes;
        m_undo.pop_front();
    }
}

void EditHistory::record(const EditorSnapshot &before, const EditorSnapshot &after)
{
    for (const Step &step : m_redo)
        m_bytes -= step.bytes;
    m_redo.clear();
    Step step;
    if (!m_undo.empty() && m_current != before.lines)
        step.gap = difference(m_current, before.lines);
    step.change = difference(before.lines, after.lines);
    step.before = withoutLines(before);
    step.after = withoutLines(after);
    step.bytes = bytesOf(step);
    m_current = after.lines;
    pushUndo(std::move(step));
}

std::optional<EditorSnapshot> EditHistory::undo()
{
    if (m_undo.empty())
        return std::nullopt;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    EditorSnapshot previous = step.before;
    backward(m_current, step.change);
    previous.lines = m_current;
    backward(m_current, step.gap);
    m_redo.push_back(std::move(step));
    return previous;
}

std::optional<EditorSnapshot> EditHistory::redo()
{
    if (m_redo.empty())
        return std::nullopt;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    forward(m_current, step.gap);
    forward(m_current, step.change);
    EditorSnapshot next = step.after;
    next.lines = m_current;
    m_bytes -= step.bytes;
    pushUndo(std::move(step));
    return next;
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_current.clear();
    m_bytes = 0;
}
