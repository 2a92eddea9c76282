#include "editor/contextmenustate.h"

#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"

namespace {

bool isSimple(LineKind kind)
{
    return isCommand(kind) || kind == LineKind::Blank || kind == LineKind::Call || kind == LineKind::Comment;
}

// The skeleton's lines and the lines that close a construct.
bool isFixed(LineKind kind)
{
    switch (kind) {
    case LineKind::Title:
    case LineKind::Given:
    case LineKind::Goal:
    case LineKind::Begin:
    case LineKind::End:
    case LineKind::LoopEnd:
    case LineKind::BranchEnd:
    case LineKind::ProcedureEnd: return true;
    default: return false;
    }
}

} // namespace

bool isSimpleLine(const QString &line)
{
    return isSimple(lineKind(line));
}

ContextMenuState contextMenuState(const AlgorithmText &text)
{
    ContextMenuState menu;
    if (!text.hasCurrentLine()) {
        menu.deleteLine = menu.deleteConstruct = menu.deleteElseBranch = menu.deleteProcedure = false;
        menu.insertBlankLine = menu.insertComment = false;
        return menu;
    }

    // Each rule only disables; several may apply to one line.
    const LineKind kind = lineKind(text.currentLine());
    if (isSimple(kind))
        menu.deleteConstruct = menu.deleteProcedure = menu.deleteElseBranch = false;
    if (kind == LineKind::Else)
        menu.deleteConstruct = menu.deleteLine = menu.deleteProcedure = false;
    if (isBranchHead(kind) || isLoopHead(kind))
        menu.deleteLine = menu.deleteElseBranch = menu.deleteProcedure = false;
    if (isFixed(kind))
        menu.deleteConstruct = menu.deleteElseBranch = menu.deleteLine = menu.deleteProcedure = false;
    if (kind == LineKind::ProcedureHead)
        menu.deleteLine = menu.deleteElseBranch = menu.deleteConstruct = false;
    return menu;
}
