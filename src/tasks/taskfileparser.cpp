#include "tasks/taskfileparser.h"

#include "common/textencoding.h"
#include "tasks/taskfilecolumns.h"
#include "world/wallmodel.h"

namespace {

namespace Columns = TaskFileColumns;

// A field's columns of a line; what lies beyond its end is missing.
QString columns(const QString &line, TaskFileField field)
{
    return line.mid(field.first - 1, field.width());
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

std::optional<qint16> TaskFileParser::readNumber(TaskFileField field)
{
    const QString text = columns(m_line, field);
    const auto value = parseFieldNumber(text);
    if (!value)
        fail(TaskFileError::notAnInteger(text, m_lineNumber, field.first));
    return value;
}

bool TaskFileParser::readTaskFile()
{
    if (!readNonEmptyLine())
        return false;
    const auto pattern = readNumber(Columns::patternFlag);
    if (!pattern)
        return false;
    m_task.hasPattern = *pattern == 1;
    const auto pointB = readNumber(Columns::pointBFlag);
    if (!pointB)
        return false;
    m_task.hasPointB = *pointB == 1;
    m_task.headerLabel = columns(m_line, Columns::headerLabel);
    // The reserved number has no effect, but when present it must be a number.
    std::optional<qint16> reserved;
    if (m_line.size() >= Columns::reservedNumber.last && !(reserved = readNumber(Columns::reservedNumber)))
        return false;
    if (reserved)
        m_task.reservedNumber = *reserved;

    if (!readNonEmptyLine())
        return false;
    m_task.statement.clear();
    while (!m_line.startsWith(Columns::statementEnd)) {
        m_task.statement.append(m_line);
        if (!readNonEmptyLine())
            return false;
    }

    if (!readNonEmptyLine())
        return false;
    if (m_line.startsWith(Columns::singleSizeCode)) {
        m_task.sizeMenuEnabled = false;
        return readSizeSection(TaskData::firstSize);
    }

    m_task.sizeMenuEnabled = true;
    m_task.sizeItemEnabled.fill(false);
    while (!m_line.startsWith(Columns::sizesEnd)) {
        const auto sizeCode = readNumber(Columns::sizeCode);
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

    const auto column = readNumber(Columns::startColumn);
    if (!column)
        return false;
    const auto row = readNumber(Columns::startRow);
    if (!row)
        return false;
    const auto heading = readNumber(Columns::startHeading);
    if (!heading)
        return false;
    std::optional<qint16> pointBColumn;
    std::optional<qint16> pointBRow;
    if (m_task.hasPointB) {
        if (!(pointBColumn = readNumber(Columns::pointBColumn))
            || !(pointBRow = readNumber(Columns::pointBRow)))
            return false;
    }
    // A start outside the field or facing no side cannot be run.
    if (*column < 0 || *column >= fieldSize)
        return fail(TaskFileError::badTaskFile(m_lineNumber, Columns::startColumn.first));
    if (*row < 0 || *row >= fieldSize)
        return fail(TaskFileError::badTaskFile(m_lineNumber, Columns::startRow.first));
    if (!isValidHeading(*heading))
        return fail(TaskFileError::badTaskFile(m_lineNumber, Columns::startHeading.first));

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
        case Columns::horizontalWalls:
            if (!readNonEmptyLine() || !readWallRow(size.walls.horizontal))
                return false;
            break;
        case Columns::verticalWalls:
            if (!readNonEmptyLine() || !readWallRow(size.walls.vertical))
                return false;
            break;
        case Columns::variableWall:
            // Only three variable walls can be shown and run.
            if (size.walls.variable.size() >= WallModel::maxVariableWalls)
                return fail(TaskFileError::badTaskFile(m_lineNumber));
            if (!readNonEmptyLine() || !readVariableWall(size.walls.variable))
                return false;
            break;
        case Columns::sectionEnd: return true;
        default: break;
        }
    }
}

bool TaskFileParser::readWallRow(QList<CellPosition> &walls)
{
    for (int k = 1; m_line.size() >= Columns::wallItemWidth * k; ++k) {
        const auto column = readNumber(Columns::wallItemColumn(k));
        if (!column)
            return false;
        const auto row = readNumber(Columns::wallItemRow(k));
        if (!row)
            return false;
        walls.append({*column, *row});
    }
    return true;
}

bool TaskFileParser::readVariableWall(QList<VariableWall> &walls)
{
    VariableWall wall;
    wall.variant1.orientation = columns(m_line, Columns::variant1Orientation);
    const auto column1 = readNumber(Columns::variant1Column);
    if (!column1)
        return false;
    const auto row1 = readNumber(Columns::variant1Row);
    if (!row1)
        return false;
    wall.variant2.orientation = columns(m_line, Columns::variant2Orientation);
    const auto column2 = readNumber(Columns::variant2Column);
    if (!column2)
        return false;
    const auto row2 = readNumber(Columns::variant2Row);
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
