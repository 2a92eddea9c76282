#include "editor/algorithmline.h"

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

bool isCommandLine(const QString &line)
{
    const QString t = commandText(line);
    return t == K::step || t == K::jump || t == K::turn;
}

bool isBranchHead(const QString &line)
{
    return commandText(line).startsWith(QStringLiteral("ЕСЛИ"));
}

bool isLoopHead(const QString &line)
{
    return commandText(line).startsWith(QStringLiteral("ПОКА"));
}

bool isProcedureHead(const QString &line)
{
    return commandText(line).startsWith(K::procedure);
}

bool isCallLine(const QString &line)
{
    return commandText(line).startsWith(K::call);
}

bool isCommentLine(const QString &line)
{
    return commandText(line).startsWith(K::comment);
}

bool isBlankLine(const QString &line)
{
    return indentationLength(line) == line.size();
}

bool isCountedLine(const QString &line)
{
    return !isBlankLine(line) && !isCommentLine(line);
}

LineKind lineKind(const QString &line)
{
    const QString t = commandText(line);
    if (t.isEmpty())
        return LineKind::Blank;
    if (t.startsWith(QStringLiteral("АЛГОРИТМ")))
        return LineKind::Title;
    if (t.startsWith(QStringLiteral("Дано")))
        return LineKind::Given;
    if (t.startsWith(QStringLiteral("Надо")))
        return LineKind::Goal;
    if (t == K::begin)
        return LineKind::Begin;
    if (t == K::end)
        return LineKind::End;
    if (t == K::step || t == K::jump || t == K::turn)
        return LineKind::Command;
    if (t.startsWith(QStringLiteral("ЕСЛИ")))
        return LineKind::BranchHead;
    if (t == K::then)
        return LineKind::Then;
    if (t == K::otherwise)
        return LineKind::Else;
    if (t == K::branchEnd)
        return LineKind::BranchEnd;
    if (t.startsWith(QStringLiteral("ПОКА")))
        return LineKind::LoopHead;
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
    return LineKind::Other;
}

QString procedureHeadName(const QString &line)
{
    return commandText(line).mid(10);
}

QString callName(const QString &line)
{
    return commandText(line).mid(6);
}

QString insertionIndent(const QString &line)
{
    const int b = indentationLength(line);
    const QString t = line.mid(b);
    int blanks = b;
    if (t == K::branchEnd)
        blanks = b + 7;
    else if (t == K::loopEnd || t == K::otherwise || t == K::end || t == K::procedureEnd)
        blanks = b + 4;
    return QString(blanks, QLatin1Char(' '));
}

QString titleLine()
{
    return K::title + QString::number(algorithmNumber);
}

QStringList algorithmSkeleton(bool hasPointB)
{
    const QString indent(4, QLatin1Char(' '));
    return {
        titleLine(), indent + K::given, indent + (hasPointB ? K::goalPointB : K::goalPattern), K::begin,
        K::end,
    };
}

namespace {

bool isHeaderOrBegin(const QString &t)
{
    if (t == K::begin)
        return true;
    const QString headers[] = {K::title, K::given, K::goalPointB, K::goalPattern};
    for (const QString &header : headers) {
        if (t.startsWith(header.left(10)))
            return true;
    }
    return false;
}

} // namespace

int rowAfterPupilSelection(const QStringList &lines, int row)
{
    if (row < 0 || row >= lines.size())
        return -1;
    const QString t = commandText(lines.at(row));
    int target = row;
    if (t == K::loopBegin || t == K::then)
        target = row + 1;
    else if (isHeaderOrBegin(t))
        target = skeletonFirstBodyRow;
    else
        return row;
    // A short or odd loaded file may lack the row the rule moves to, or have a header there:
    // no row is selected then, since an insertion there would land above a header or "НАЧ",
    // or between a head and its "НЦ" or "ТО".
    if (target >= lines.size() || isHeaderOrBegin(commandText(lines.at(target))))
        return -1;
    return target;
}

int halfVisibleLines(int listHeight)
{
    if (listHeight <= 0)
        return 0;
    return listHeight / algorithmRowHeight / 2;
}
