#pragma once

#include "editor/editoutcome.h"

#include <QStringList>

class AlgorithmText;

// Removes lines only as whole units, starting at the current line: a simple line, a
// branch or loop with everything inside it, an else-branch, a procedure description,
// or the whole algorithm. Afterwards the line that followed the removed ones is
// current; when they were the last ones, an empty line is appended and selected.
// Without a current line nothing is deleted (except the whole algorithm).
//
// A loaded file may lack the closing line of a unit: the deletion then stops at the
// end of the text and the last remaining row is selected.
class AlgorithmDeletion
{
public:
    AlgorithmDeletion(AlgorithmText &text, QStringList &procedureNames);

    // "Удалить строку": the current line, whatever it is.
    EditOutcome deleteLine();
    // The Delete key: the current line when it is a simple line, otherwise nothing.
    EditOutcome deleteSimpleLine();
    // "Удалить конструкцию": from a branch or loop head down to its matching "ВСЁ" or "КЦ".
    EditOutcome deleteConstruct();
    // "Удалить ветвь ИНАЧЕ": from "ИНАЧЕ" down to, not including, its matching "ВСЁ".
    EditOutcome deleteElseBranch();
    // "Удалить процедуру": a description down to "КОНЕЦ ПРОЦЕДУРЫ", refused with a
    // message while the procedure is called anywhere, from itself included.
    EditOutcome deleteProcedure();
    // "Удалить тело алгоритма ": the skeleton again, with no procedure names.
    EditOutcome deleteWholeAlgorithm(bool hasPointB);

private:
    // Deletes the opening line at `row` and the lines after it until the line then at
    // `row` is the matching closer (nesting counted by `opens` and `closes`); the
    // closer itself goes too when `deleteCloser`. Returns whether the closer was found.
    template<typename Opens, typename Closes>
    bool deleteUnit(int row, Opens opens, Closes closes, bool deleteCloser);
    EditOutcome reselect(int row, bool closerFound);

    AlgorithmText &m_text;
    QStringList &m_procedureNames;
};
