#include "editor/algorithminsertion.h"

#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "editor/procedurename.h"

namespace K = AlgorithmKeyword;

namespace {

// The then and else markers stand three blanks right of their head.
const QString markerIndent = QStringLiteral("   ");

} // namespace

AlgorithmInsertion::AlgorithmInsertion(AlgorithmText &text, QStringList &procedureNames, int halfVisibleLines)
    : m_text(text)
    , m_procedureNames(procedureNames)
    , m_halfVisibleLines(halfVisibleLines)
{
}

EditOutcome AlgorithmInsertion::insertStep()
{
    EditOutcome outcome = insertCommand(K::step);
    outcome.enablesDebugging = outcome.changed;
    return outcome;
}

EditOutcome AlgorithmInsertion::insertJump()
{
    return insertCommand(K::jump);
}

EditOutcome AlgorithmInsertion::insertTurn()
{
    return insertCommand(K::turn);
}

EditOutcome AlgorithmInsertion::insertCommand(const QString &command)
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    // The cursor stays on its line, now one row lower, so repeated commands follow
    // each other in the order given.
    m_text.insertLine(i, insertionIndent(m_text.currentLine()) + command);

    EditOutcome outcome;
    outcome.changed = true;
    outcome.topRow = i - m_halfVisibleLines;
    outcome.statistics = StatisticsUpdate::Recount;
    return outcome;
}

EditOutcome AlgorithmInsertion::insertBranch(WallCondition condition)
{
    const QString head = condition == WallCondition::WallAhead ? K::ifWall : K::ifNotWall;
    EditOutcome outcome =
        insertConstruct({head, markerIndent + K::then, markerIndent + K::otherwise, K::branchEnd}, 2);
    if (outcome.changed)
        outcome.focus = EditorFocus::IfButton;
    return outcome;
}

EditOutcome AlgorithmInsertion::insertLoop(WallCondition condition)
{
    const QString head = condition == WallCondition::WallAhead ? K::whileWall : K::whileNotWall;
    EditOutcome outcome = insertConstruct({head, K::loopBegin, K::loopEnd}, 2);
    if (outcome.changed)
        outcome.focus = EditorFocus::WhileButton;
    return outcome;
}

EditOutcome AlgorithmInsertion::insertConstruct(const QStringList &construct, int selectedOffset)
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    // One indentation for the whole construct, taken from the line before which it goes.
    const QString indent = insertionIndent(m_text.currentLine());
    QStringList lines;
    for (const QString &line : construct)
        lines << indent + line;
    m_text.insertLines(i, lines);
    m_text.setCurrentRow(i + selectedOffset);

    EditOutcome outcome;
    outcome.changed = true;
    // Scrolled to the construct's last line.
    outcome.topRow = i - m_halfVisibleLines + int(construct.size()) - 1;
    outcome.statistics = StatisticsUpdate::Recount;
    return outcome;
}

void AlgorithmInsertion::appendDescription(const QString &name)
{
    m_text.appendLines({K::procedure + QLatin1Char(' ') + name, K::procedureEnd});
}

EditOutcome AlgorithmInsertion::chooseProcedure(const QString &name, ProcedurePanelMode mode)
{
    if (!m_text.hasCurrentLine())
        return {};

    EditOutcome outcome;
    // Choosing a name enables the run whatever follows.
    outcome.enablesDebugging = true;
    outcome.statistics = StatisticsUpdate::Recount;

    switch (mode) {
    case ProcedurePanelMode::Description:
        if (isProcedureDescribed(m_text.lines(), name)) {
            outcome.message = procedureAlreadyDescribedMessage(name);
            outcome.statistics = StatisticsUpdate::None;
            return outcome;
        }
        appendDescription(name);
        m_text.setCurrentRow(m_text.count() - 1);
        outcome.topRow = m_text.count() - 1 - m_halfVisibleLines;
        outcome.focus = EditorFocus::ProcButton;
        break;
    case ProcedurePanelMode::Call: {
        const int i = m_text.currentRow();
        m_text.insertLine(i, insertionIndent(m_text.currentLine()) + K::call + QLatin1Char(' ') + name);
        // A call always has a description, empty at first.
        if (!isProcedureDescribed(m_text.lines(), name))
            appendDescription(name);
        outcome.topRow = i + 1 - m_halfVisibleLines;
        outcome.focus = EditorFocus::DoProcButton;
        break;
    }
    case ProcedurePanelMode::None: return outcome;
    }
    outcome.changed = true;
    outcome.closesProcedurePanel = true;
    return outcome;
}

EditOutcome AlgorithmInsertion::enterNewProcedureName(const QString &name, ProcedurePanelMode mode)
{
    // With the panel closed no description or call follows, so the name is not kept either.
    if (!m_text.hasCurrentLine() || mode == ProcedurePanelMode::None)
        return {};
    if (const std::optional<QString> error = newProcedureNameError(name, m_procedureNames)) {
        EditOutcome refused;
        refused.message = *error;
        return refused;
    }
    m_procedureNames.append(name);
    EditOutcome outcome = chooseProcedure(name, mode);
    outcome.procedureNamesChanged = true;
    return outcome;
}

EditOutcome AlgorithmInsertion::insertBlankLine()
{
    if (!m_text.hasCurrentLine())
        return {};
    // Blank lines are not counted and the place is already in view.
    m_text.insertLine(m_text.currentRow(), QString());
    EditOutcome outcome;
    outcome.changed = true;
    return outcome;
}

EditOutcome AlgorithmInsertion::insertComment(const QString &commentText)
{
    if (!m_text.hasCurrentLine())
        return {};
    const int i = m_text.currentRow();
    m_text.insertLine(i, K::comment + commentText);
    // Comments are not counted.
    EditOutcome outcome;
    outcome.changed = true;
    outcome.topRow = i - m_halfVisibleLines;
    return outcome;
}
