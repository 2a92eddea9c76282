#include "editor/algorithmline.h"

namespace K = AlgorithmKeyword;

QString insertionIndent(const QString &line)
{
    int blanks = indentationLength(line);
    switch (lineKind(line)) {
    case LineKind::BranchEnd: blanks += 7; break;
    case LineKind::LoopEnd:
    case LineKind::Else:
    case LineKind::End:
    case LineKind::ProcedureEnd: blanks += 4; break;
    default: break;
    }
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
    const LineKind kind = lineKind(lines.at(row));
    int target = row;
    if (kind == LineKind::LoopBegin || kind == LineKind::Then)
        target = row + 1;
    else if (isHeaderOrBegin(commandText(lines.at(row))))
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
