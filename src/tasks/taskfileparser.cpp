#include "tasks/taskfileparser.h"

#include "common/textencoding.h"
#include "world/wallmodel.h"

namespace {

// Columns first..last (1-based) of a line; what lies beyond its end is missing.
QString columns(const QString &line, int first, int last)
{
    return line.mid(first - 1, last - first + 1);
}

bool isValidHeading(int heading)
{
    return heading == 0 || heading == 90 || heading == 180 || heading == 270;
}

} // namespace

std::optional<qint16> parseFieldNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch - u'0');
        if (value > 32768)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 32767)
        return std::nullopt;
    return qint16(value);
}

TaskFileParser::TaskFileParser(const QString &text)
    : m_lines(splitTextLines(text))
{
}

TaskFileResult TaskFileParser::parse()
{
    m_next = 0;
    m_line.clear();
    m_lineNumber = 0;
    m_task = TaskData{};
    m_error.reset();
    readTaskFile();
    return {m_task, m_error, {}};
}

bool TaskFileParser::fail(const TaskFileError &error)
{
    m_error = error;
    return false;
}

bool TaskFileParser::readNonEmptyLine()
{
    while (m_next < m_lines.size()) {
        const QString &line = m_lines.at(m_next++);
        if (!line.isEmpty()) {
            m_line = line;
            m_lineNumber = m_next;
            return true;
        }
    }
    return fail(TaskFileError::badTaskFile(int(m_lines.size()) + 1));
}

std::optional<qint16> TaskFileParser::readNumber(int first, int last)
{
    const QString text = columns(m_line, first, last);
    const auto value = parseFieldNumber(text);
    if (!value)
        fail(TaskFileError::notAnInteger(text, m_lineNumber, first));
    return value;
}

bool TaskFileParser::readTaskFile()
{
    if (!readNonEmptyLine())
        return false;
    const auto pattern = readNumber(7, 7);
    if (!pattern)
        return false;
    m_task.hasPattern = *pattern == 1;
    const auto pointB = readNumber(9, 9);
    if (!pointB)
        return false;
    m_task.hasPointB = *pointB == 1;
    // The reserved number has no effect, but when present it must be a number.
    if (m_line.size() >= 14 && !readNumber(11, 14))
        return false;

    if (!readNonEmptyLine())
        return false;
    m_task.statement.clear();
    while (!m_line.startsWith(u'Z')) {
        m_task.statement.append(m_line);
        if (!readNonEmptyLine())
            return false;
    }

    if (!readNonEmptyLine())
        return false;
    if (m_line.startsWith(u'0')) {
        m_task.sizeMenuEnabled = false;
        return readSizeSection(TaskData::firstSize);
    }

    m_task.sizeMenuEnabled = true;
    m_task.sizeItemEnabled.fill(false);
    while (!m_line.startsWith(u'F')) {
        const auto sizeCode = readNumber(1, 1);
        if (!sizeCode)
            return false;
        if (!readSizeSection(*sizeCode + 11) || !readNonEmptyLine())
            return false;
    }
    return true;
}

bool TaskFileParser::readSizeSection(int fieldSize)
{
    if (fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize)
        return true;
    const int index = fieldSize - TaskData::firstSize;
    m_task.sizeItemEnabled[index] = true;

    const auto column = readNumber(3, 4);
    if (!column)
        return false;
    const auto row = readNumber(6, 7);
    if (!row)
        return false;
    const auto heading = readNumber(9, 11);
    if (!heading)
        return false;
    std::optional<qint16> pointBColumn;
    std::optional<qint16> pointBRow;
    if (m_task.hasPointB) {
        if (!(pointBColumn = readNumber(13, 14)) || !(pointBRow = readNumber(16, 17)))
            return false;
    }
    // A start outside the field or facing no side cannot be run.
    if (*column < 0 || *column >= fieldSize)
        return fail(TaskFileError::badTaskFile(m_lineNumber, 3));
    if (*row < 0 || *row >= fieldSize)
        return fail(TaskFileError::badTaskFile(m_lineNumber, 6));
    if (!isValidHeading(*heading))
        return fail(TaskFileError::badTaskFile(m_lineNumber, 9));

    TaskSizeData &size = m_task.sizes[index];
    m_task.describedSizes[index] = true;
    size.start = {*column, *row, *heading};
    if (pointBColumn)
        size.pointB = {*pointBColumn, *pointBRow};
    size.walls = WallSet{};

    for (;;) {
        if (!readNonEmptyLine())
            return false;
        switch (m_line.at(0).unicode()) {
        case u'H':
            if (!readNonEmptyLine() || !readWallRow(size.walls.horizontal))
                return false;
            break;
        case u'V':
            if (!readNonEmptyLine() || !readWallRow(size.walls.vertical))
                return false;
            break;
        case u'P':
            // Only three variable walls can be shown and run.
            if (size.walls.variable.size() >= WallModel::maxVariableWalls)
                return fail(TaskFileError::badTaskFile(m_lineNumber));
            if (!readNonEmptyLine() || !readVariableWall(size.walls.variable))
                return false;
            break;
        case u'E': return true;
        default: break;
        }
    }
}

bool TaskFileParser::readWallRow(QList<CellPosition> &walls)
{
    for (int k = 1; m_line.size() >= 6 * k; ++k) {
        const auto column = readNumber(6 * k - 4, 6 * k - 3);
        if (!column)
            return false;
        const auto row = readNumber(6 * k - 1, 6 * k);
        if (!row)
            return false;
        walls.append({*column, *row});
    }
    return true;
}

bool TaskFileParser::readVariableWall(QList<VariableWall> &walls)
{
    VariableWall wall;
    wall.variant1.orientation = columns(m_line, 2, 2);
    const auto column1 = readNumber(4, 5);
    if (!column1)
        return false;
    const auto row1 = readNumber(7, 8);
    if (!row1)
        return false;
    wall.variant2.orientation = columns(m_line, 10, 10);
    const auto column2 = readNumber(12, 13);
    if (!column2)
        return false;
    const auto row2 = readNumber(15, 16);
    if (!row2)
        return false;
    wall.variant1.column = *column1;
    wall.variant1.row = *row1;
    wall.variant2.column = *column2;
    wall.variant2.row = *row2;
    walls.append(wall);
    return true;
}

TaskFileResult parseTaskFile(const QString &text)
{
    return TaskFileParser(text).parse();
}
