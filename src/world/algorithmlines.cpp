#include "world/algorithmlines.h"

#include "editor/algorithmline.h"

#include <QHash>

namespace {

using Kind = AlgorithmLines::Kind;

bool isBranchHead(Kind kind)
{
    return kind == Kind::BranchIfWall || kind == Kind::BranchIfNoWall;
}

bool isLoopHead(Kind kind)
{
    return kind == Kind::LoopIfWall || kind == Kind::LoopIfNoWall;
}

const QString procedurePrefix = QStringLiteral("ПРОЦЕДУРА");
const QString callPrefix = QStringLiteral("ДЕЛАЙ");

} // namespace

AlgorithmLines::AlgorithmLines(const QStringList &lines)
{
    const size_t count = size_t(lines.size());
    m_kinds.reserve(count);
    m_mainEnd.reserve(count);
    m_callTargets.assign(count, -1);
    m_branchSkip.assign(count, notScanned);
    m_elseSkip.assign(count, notScanned);
    m_loopSkip.assign(count, notScanned);
    m_procedureEnd.assign(count, notScanned);

    // The first description of each name wins; names run from the 11th character on.
    QHash<QString, int> procedures;
    QStringList texts;
    texts.reserve(lines.size());
    for (int row = 0; row < lines.size(); ++row) {
        const QString text = commandText(lines[row]);
        const Kind kind = classify(text);
        m_kinds.push_back(kind);
        m_mainEnd.push_back(lines[row] == QStringLiteral("КОН"));
        if (kind == Kind::ProcedureHead) {
            const QString name = text.mid(10);
            if (!procedures.contains(name))
                procedures.insert(name, row);
        }
        texts.append(text);
    }
    for (int row = 0; row < lines.size(); ++row) {
        if (m_kinds[size_t(row)] == Kind::Call)
            m_callTargets[size_t(row)] = procedures.value(texts[row].mid(6), -1);
    }
}

AlgorithmLines::Kind AlgorithmLines::classify(const QString &text)
{
    // The order of the tests matters only in principle: no two of them can both hold.
    if (text == QStringLiteral("ПОВОРОТ"))
        return Kind::Turn;
    if (text == QStringLiteral("ШАГ"))
        return Kind::Step;
    if (text == QStringLiteral("ПРЫЖОК"))
        return Kind::Jump;
    if (text.startsWith(QStringLiteral("ЕСЛИ"))) {
        if (text == QStringLiteral("ЕСЛИ впереди стена"))
            return Kind::BranchIfWall;
        if (text == QStringLiteral("ЕСЛИ впереди НЕ стена"))
            return Kind::BranchIfNoWall;
        return Kind::BranchOther;
    }
    if (text.startsWith(QStringLiteral("ПОКА"))) {
        if (text == QStringLiteral("ПОКА впереди стена"))
            return Kind::LoopIfWall;
        if (text == QStringLiteral("ПОКА впереди НЕ стена"))
            return Kind::LoopIfNoWall;
        return Kind::LoopOther;
    }
    if (text.startsWith(procedurePrefix))
        return Kind::ProcedureHead;
    if (text.startsWith(callPrefix))
        return Kind::Call;
    if (text == QStringLiteral("ИНАЧЕ"))
        return Kind::Else;
    if (text == QStringLiteral("ВСЁ"))
        return Kind::BranchEnd;
    if (text == QStringLiteral("КЦ"))
        return Kind::LoopEnd;
    if (text == QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ"))
        return Kind::ProcedureEnd;
    return Kind::Other;
}

int AlgorithmLines::branchSkipEnd(int head)
{
    int &cached = m_branchSkip[size_t(head)];
    if (cached == notScanned)
        cached = scanBranchSkip(head + 2);
    return cached;
}

int AlgorithmLines::elseSkipEnd(int elseRow)
{
    int &cached = m_elseSkip[size_t(elseRow)];
    if (cached == notScanned)
        cached = scanElseSkip(elseRow + 1);
    return cached;
}

int AlgorithmLines::loopSkipEnd(int head)
{
    int &cached = m_loopSkip[size_t(head)];
    if (cached == notScanned)
        cached = scanLoopSkip(head + 2);
    return cached;
}

int AlgorithmLines::procedureEnd(int head)
{
    int &cached = m_procedureEnd[size_t(head)];
    if (cached == notScanned)
        cached = scanProcedureEnd(head + 1);
    return cached;
}

int AlgorithmLines::scanBranchSkip(int from) const
{
    int depth = 1;
    for (int row = from; row < count(); ++row) {
        const Kind k = kind(row);
        if (isBranchHead(k))
            ++depth;
        if ((k == Kind::Else || k == Kind::BranchEnd) && depth == 1)
            return row;
        if (k == Kind::BranchEnd)
            --depth;
    }
    return missing;
}

int AlgorithmLines::scanElseSkip(int from) const
{
    int depth = 1;
    for (int row = from; row < count(); ++row) {
        const Kind k = kind(row);
        if (isBranchHead(k))
            ++depth;
        if (k == Kind::BranchEnd) {
            if (depth == 1)
                return row;
            --depth;
        }
    }
    return missing;
}

int AlgorithmLines::scanLoopSkip(int from) const
{
    int depth = 1;
    for (int row = from; row < count(); ++row) {
        const Kind k = kind(row);
        if (k == Kind::LoopEnd && --depth == 0)
            return row;
        if (isLoopHead(k))
            ++depth;
    }
    return missing;
}

int AlgorithmLines::scanProcedureEnd(int from) const
{
    for (int row = from; row < count(); ++row) {
        if (kind(row) == Kind::ProcedureEnd)
            return row;
    }
    return missing;
}
