#include "editor/contextmenustate.h"

#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"

namespace K = AlgorithmKeyword;

bool isSimpleLine(const QString &line)
{
    return isCommandLine(line) || isBlankLine(line) || isCallLine(line) || isCommentLine(line);
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
    const QString line = text.currentLine();
    const QString t = commandText(line);
    if (isSimpleLine(line))
        menu.deleteConstruct = menu.deleteProcedure = menu.deleteElseBranch = false;
    if (t == K::otherwise)
        menu.deleteConstruct = menu.deleteLine = menu.deleteProcedure = false;
    if (isBranchHead(line) || isLoopHead(line))
        menu.deleteLine = menu.deleteElseBranch = menu.deleteProcedure = false;
    if (t == K::begin || t == K::end || t.startsWith(QStringLiteral("Дано"))
        || t.startsWith(QStringLiteral("Надо")) || t.startsWith(QStringLiteral("АЛГОРИТМ")) || t == K::loopEnd
        || t == K::branchEnd || t == K::procedureEnd) {
        menu.deleteConstruct = menu.deleteElseBranch = menu.deleteLine = menu.deleteProcedure = false;
    }
    if (isProcedureHead(line))
        menu.deleteLine = menu.deleteElseBranch = menu.deleteConstruct = false;
    return menu;
}
