#include "wellformedness.h"

#include "editor/algorithmline.h"

#include <QSet>

namespace K = AlgorithmKeyword;

namespace {

// A recursive-descent reader of the shape; stops at the first fault.
class ShapeReader
{
public:
    explicit ShapeReader(const QStringList &lines)
        : m_lines(lines)
    {
    }

    std::optional<QString> read()
    {
        if (!readHeader() || !readBody() || !expect(K::end))
            return m_fault;
        while (m_row < m_lines.size() && !m_fault) {
            if (isProcedureHead(m_lines.at(m_row)))
                readProcedure();
            else if (!readItem())
                fault(QStringLiteral("a line that begins no body item after \"КОН\""));
        }
        if (!m_fault)
            checkCalls();
        return m_fault;
    }

private:
    QString text() const { return m_row < m_lines.size() ? commandText(m_lines.at(m_row)) : QString(); }
    bool atEnd() const { return m_row >= m_lines.size(); }

    // Records the first fault; returns false so that readers can stop with it.
    bool fault(const QString &what)
    {
        if (!m_fault)
            m_fault = QStringLiteral("row %1: %2").arg(m_row).arg(what);
        return false;
    }

    bool expect(const QString &keyword)
    {
        if (atEnd() || text() != keyword)
            return fault(QStringLiteral("\"%1\" expected, found \"%2\"").arg(keyword, text()));
        ++m_row;
        return true;
    }

    bool readHeader()
    {
        const QString four(4, QLatin1Char(' '));
        if (m_lines.size() < 4)
            return fault(QStringLiteral("fewer than four header lines"));
        if (m_lines.at(0) != titleLine())
            return fault(QStringLiteral("not the title line"));
        m_row = 1;
        if (m_lines.at(1) != four + K::given)
            return fault(QStringLiteral("not the given line"));
        m_row = 2;
        if (m_lines.at(2) != four + K::goalPointB && m_lines.at(2) != four + K::goalPattern)
            return fault(QStringLiteral("not a goal line"));
        m_row = 3;
        return expect(K::begin);
    }

    // Items until a line that cannot begin one (a closer, a procedure head or the end).
    bool readBody()
    {
        while (!atEnd() && !m_fault) {
            if (!readItem())
                break;
        }
        return !m_fault;
    }

    // One body item; false, with no fault, when the current line begins none.
    bool readItem()
    {
        const QString t = text();
        const QString &line = m_lines.at(m_row);
        const LineKind kind = lineKind(line);
        if (isCommand(kind) || kind == LineKind::Call || kind == LineKind::Comment
            || kind == LineKind::Blank) {
            if (kind == LineKind::Call)
                m_calls.append({m_row, callName(line)});
            ++m_row;
            return true;
        }
        if (t == K::ifWall || t == K::ifNotWall) {
            ++m_row;
            if (!expect(K::then) || !readBody())
                return true;
            if (text() == K::otherwise) {
                ++m_row;
                if (!readBody())
                    return true;
            }
            expect(K::branchEnd);
            return true;
        }
        if (t == K::whileWall || t == K::whileNotWall) {
            ++m_row;
            if (expect(K::loopBegin) && readBody())
                expect(K::loopEnd);
            return true;
        }
        if (isBranchHead(line) || isLoopHead(line))
            return !fault(QStringLiteral("a head with an unknown condition"));
        return false;
    }

    void readProcedure()
    {
        const QString name = procedureHeadName(m_lines.at(m_row));
        if (m_described.contains(name)) {
            fault(QStringLiteral("procedure \"%1\" described twice").arg(name));
            return;
        }
        m_described.insert(name);
        ++m_row;
        if (readBody())
            expect(K::procedureEnd);
    }

    void checkCalls()
    {
        for (const auto &[row, name] : m_calls) {
            if (!m_described.contains(name)) {
                m_row = row;
                fault(QStringLiteral("call of \"%1\", which has no description").arg(name));
                return;
            }
        }
    }

    const QStringList &m_lines;
    qsizetype m_row = 0;
    std::optional<QString> m_fault;
    QSet<QString> m_described;
    QList<std::pair<qsizetype, QString>> m_calls;
};

} // namespace

std::optional<QString> wellFormednessFault(const QStringList &lines)
{
    return ShapeReader(lines).read();
}

std::optional<QString> procedureNamesFault(const QStringList &lines, const QStringList &names)
{
    QStringList described;
    for (const QString &line : lines) {
        if (isProcedureHead(line))
            described.append(procedureHeadName(line));
    }
    if (described == names)
        return std::nullopt;
    return QStringLiteral("procedure names [%1], descriptions [%2]")
        .arg(names.join(QLatin1Char(',')), described.join(QLatin1Char(',')));
}
