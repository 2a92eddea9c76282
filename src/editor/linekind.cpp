#include "editor/linekind.h"

#include <QStringView>

namespace K = AlgorithmKeyword;

int indentationLength(const QString &line)
{
    int length = 0;
    while (length < line.size() && line.at(length).unicode() <= 32)
        ++length;
    return length;
}

QString commandText(const QString &line)
{
    return line.mid(indentationLength(line));
}

// No two tests can both hold, so their order is free: the commands, the most frequent
// lines of a long algorithm, go first.
LineKind lineKind(const QString &line)
{
    const QStringView t = QStringView(line).mid(indentationLength(line));
    if (t == K::step)
        return LineKind::Step;
    if (t == K::jump)
        return LineKind::Jump;
    if (t == K::turn)
        return LineKind::Turn;
    if (t.isEmpty())
        return LineKind::Blank;
    if (t.startsWith(K::branchWord)) {
        if (t == K::ifWall)
            return LineKind::BranchIfWall;
        if (t == K::ifNotWall)
            return LineKind::BranchIfNoWall;
        return LineKind::BranchOther;
    }
    if (t.startsWith(K::loopWord)) {
        if (t == K::whileWall)
            return LineKind::LoopIfWall;
        if (t == K::whileNotWall)
            return LineKind::LoopIfNoWall;
        return LineKind::LoopOther;
    }
    if (t == K::then)
        return LineKind::Then;
    if (t == K::otherwise)
        return LineKind::Else;
    if (t == K::branchEnd)
        return LineKind::BranchEnd;
    if (t == K::loopBegin)
        return LineKind::LoopBegin;
    if (t == K::loopEnd)
        return LineKind::LoopEnd;
    if (t.startsWith(K::procedure))
        return LineKind::ProcedureHead;
    if (t == K::procedureEnd)
        return LineKind::ProcedureEnd;
    if (t.startsWith(K::call))
        return LineKind::Call;
    if (t.startsWith(K::comment))
        return LineKind::Comment;
    if (t == K::begin)
        return LineKind::Begin;
    if (t == K::end)
        return LineKind::End;
    if (t.startsWith(K::titleWord))
        return LineKind::Title;
    if (t.startsWith(K::givenWord))
        return LineKind::Given;
    if (t.startsWith(K::goalWord))
        return LineKind::Goal;
    return LineKind::Other;
}

bool isCommand(LineKind kind)
{
    return kind == LineKind::Step || kind == LineKind::Jump || kind == LineKind::Turn;
}

bool isBranchHead(LineKind kind)
{
    return kind == LineKind::BranchIfWall || kind == LineKind::BranchIfNoWall
        || kind == LineKind::BranchOther;
}

bool isLoopHead(LineKind kind)
{
    return kind == LineKind::LoopIfWall || kind == LineKind::LoopIfNoWall || kind == LineKind::LoopOther;
}

bool isCounted(LineKind kind)
{
    return kind != LineKind::Blank && kind != LineKind::Comment;
}

bool isBranchHead(const QString &line)
{
    return isBranchHead(lineKind(line));
}

bool isLoopHead(const QString &line)
{
    return isLoopHead(lineKind(line));
}

bool isProcedureHead(const QString &line)
{
    return lineKind(line) == LineKind::ProcedureHead;
}

bool isCallLine(const QString &line)
{
    return lineKind(line) == LineKind::Call;
}

QString procedureHeadName(const QString &line)
{
    return commandText(line).mid(K::procedure.size() + 1);
}

QString callName(const QString &line)
{
    return commandText(line).mid(K::call.size() + 1);
}
