#pragma once

#include "editor/editoutcome.h"

#include <QString>
#include <QStringList>

class AlgorithmText;

// The condition of a branch or loop head.
enum class WallCondition { WallAhead, NoWallAhead };

// What the open procedure panel serves, carried in the window by which of the two
// procedure buttons is still enabled.
enum class ProcedurePanelMode { Description, Call, None };

// Inserts whole commands and constructs into the algorithm, before the current line
// and indented by insertionIndent of it, so that the text always stays well-formed.
// Works on the window's text and list of procedure names; every operation returns
// what the window still has to do. Without a current line nothing is inserted.
class AlgorithmInsertion
{
public:
    // halfVisibleLines: half the rows the list shows, for scrolling the place of an
    // insertion to the middle of the list.
    AlgorithmInsertion(AlgorithmText &text, QStringList &procedureNames, int halfVisibleLines);

    // "ШАГ" also enables "Отладка"; "ПРЫЖОК" and "ПОВОРОТ" do not.
    EditOutcome insertStep();
    EditOutcome insertJump();
    EditOutcome insertTurn();

    // Head, "ТО", "ИНАЧЕ", "ВСЁ"; the cursor goes to "ИНАЧЕ" to fill the then-body.
    EditOutcome insertBranch(WallCondition condition);
    // Head, "НЦ", "КЦ"; the cursor goes to "КЦ" to fill the loop body.
    EditOutcome insertLoop(WallCondition condition);

    // A name chosen from the procedure names: a new description appended at the end
    // of the text, or a call at the cursor (with an empty description appended when
    // the name has none yet). A name already described is refused for a description
    // with a message, and the panel stays open.
    EditOutcome chooseProcedure(const QString &name, ProcedurePanelMode mode);
    // A name typed in for a new procedure: checked, added to the names and chosen.
    // A refused name gives the message and leaves the panel open.
    EditOutcome enterNewProcedureName(const QString &name, ProcedurePanelMode mode);

    EditOutcome insertBlankLine();
    // "//" and the text, in column 0 whatever the indentation around it.
    EditOutcome insertComment(const QString &commentText);

private:
    EditOutcome insertCommand(const QString &command);
    EditOutcome insertConstruct(const QStringList &construct, int selectedOffset);
    void appendDescription(const QString &name);

    AlgorithmText &m_text;
    QStringList &m_procedureNames;
    int m_halfVisibleLines;
};
