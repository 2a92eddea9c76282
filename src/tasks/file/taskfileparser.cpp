#include "tasks/file/taskfileparser.h"

#include "common/printablename.h"
#include "common/textencoding.h"
#include "tasks/file/taskfilecolumns.h"
#include "world/model/wallmodel.h"

namespace {

namespace Columns = TaskFileColumns;

// A field's columns of a line; what lies beyond its end is missing.
QString columns(const QString &line, TaskFileField field)
{
    return line.mid(field.first - 1, field.width());
}

// −1 stands for 0.
bool isValidHeading(int heading)
{
    return heading == -1 || heading == 0 || heading == 90 || heading == 180 || heading == 270;
}

QString fieldName(int fieldSize)
{
    return QStringLiteral("%1 × %1").arg(fieldSize);
}

// The Latin letter or digit that a Cyrillic capital looks like, or a null character.
QChar latinLookAlike(QChar ch)
{
    switch (ch.unicode()) {
    case u'Н': return u'H';
    case u'Р': return u'P';
    case u'Е': return u'E';
    case u'З': return u'Z';
    case u'О': return u'0';
    default: return {};
    }
}

QString lookAlikeText(QChar cyrillic, QChar latin)
{
    const QString kind = latin.isDigit() ? QStringLiteral("цифра") : QStringLiteral("латинская");
    return QStringLiteral("«%1» — русская буква; нужна %2 %3").arg(cyrillic, kind, latin);
}

bool isSizeCodeDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool isRecordKey(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.size() == 1 && QStringLiteral("HVPEFZ").contains(trimmed.at(0));
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

TaskFileParser::TaskFileParser(const QString &text, Mode mode)
    : m_mode(mode)
    , m_lines(splitTextLines(text))
{
}

TaskFileResult TaskFileParser::parse()
{
    m_next = 0;
    m_line.clear();
    m_lineNumber = 0;
    m_task = TaskData{};
    m_error.reset();
    m_problems.clear();
    m_headerLine = 0;
    m_sectionLines.fill(0);
    readTaskFile();
    return {m_task, m_error, QByteArray(), m_problems, m_headerLine, m_sectionLines};
}

bool TaskFileParser::fail(const TaskFileError &error, const QString &explanation)
{
    if (!m_error)
        m_error = error;
    m_problems.append({error.line, error.column, explanation, TaskProblem::Severity::Error});
    return m_mode == Mode::CollectProblems;
}

void TaskFileParser::warn(int line, int column, const QString &message)
{
    m_problems.append({line, column, message, TaskProblem::Severity::Warning});
}

bool TaskFileParser::readNonEmptyLine(const QString &needed)
{
    while (m_next < m_lines.size()) {
        const QString &line = m_lines.at(m_next++);
        if (!line.isEmpty()) {
            m_line = line;
            m_lineNumber = m_next;
            return true;
        }
    }
    m_line.clear();
    m_lineNumber = int(m_lines.size()) + 1;
    // Nothing is left to read, whatever the mode.
    fail(TaskFileError::badTaskFile(m_lineNumber), needed);
    return false;
}

std::optional<qint16> TaskFileParser::readNumber(TaskFileField field, const QString &what)
{
    const QString text = columns(m_line, field);
    const auto value = parseFieldNumber(text);
    if (value)
        return value;
    QString explanation = text.trimmed().isEmpty()
        ? QStringLiteral("%1: в столбцах %2–%3 нет числа")
              .arg(what, QString::number(field.first), QString::number(field.last))
        : QStringLiteral("%1: «%2» — не целое число").arg(what, printableName(text));
    for (const QChar ch : text) {
        if (const QChar latin = latinLookAlike(ch); latin.isDigit()) {
            explanation += QStringLiteral("; ") + lookAlikeText(ch, latin);
            break;
        }
    }
    fail(TaskFileError::notAnInteger(text, m_lineNumber, field.first), explanation);
    return value;
}

bool TaskFileParser::readTaskFile()
{
    if (!readNonEmptyLine(QStringLiteral("файл задачи пуст")))
        return false;
    m_headerLine = m_lineNumber;
    const auto pattern = readNumber(Columns::patternFlag, QStringLiteral("признак образца"));
    if (isStopped())
        return false;
    m_task.hasPattern = pattern == qint16(1);
    const auto pointB = readNumber(Columns::pointBFlag, QStringLiteral("признак точки Б"));
    if (isStopped())
        return false;
    m_task.hasPointB = pointB == qint16(1);
    m_task.headerLabel = columns(m_line, Columns::headerLabel);
    // The reserved number has no effect, but when present it must be a number.
    if (m_line.size() >= Columns::reservedNumber.last) {
        const auto reserved = readNumber(Columns::reservedNumber, QStringLiteral("резервное число"));
        if (reserved)
            m_task.reservedNumber = *reserved;
        if (isStopped())
            return false;
    }

    if (!readStatement())
        return false;

    if (!readNonEmptyLine(QStringLiteral("после строки \"Z\" нет описания поля")))
        return false;
    if (m_line.startsWith(Columns::singleSizeCode)) {
        m_task.sizeMenuEnabled = false;
        if (!readSizeSection(TaskData::firstSize))
            return false;
        warnAboutUnreadRest();
        return true;
    }

    m_task.sizeMenuEnabled = true;
    m_task.sizeItemEnabled.fill(false);
    const int firstSectionLine = m_lineNumber;
    while (!m_line.startsWith(Columns::sizesEnd)) {
        const auto sizeCode = readNumber(Columns::sizeCode, QStringLiteral("код размера поля"));
        if (isStopped())
            return false;
        if (!sizeCode && QStringLiteral("HVPE").contains(m_line.at(0))) {
            // A section's records where a header belongs: the check goes on at the next header.
            do {
                if (!readNonEmptyLine(QStringLiteral("нет строки \"F\" после разделов размеров поля")))
                    return false;
            } while (!isSizeCodeDigit(m_line.at(0)) && !m_line.startsWith(Columns::sizesEnd));
            continue;
        }
        if (!(sizeCode ? readSizeSection(*sizeCode + 11) : readUnknownSection()))
            return false;
        if (!readNonEmptyLine(QStringLiteral("нет строки \"F\" после разделов размеров поля")))
            return false;
    }
    if (m_sectionLines[0] == 0) {
        const bool describesNone =
            std::find_if(m_sectionLines.begin(), m_sectionLines.end(), [](int line) { return line != 0; })
            == m_sectionLines.end();
        warn(firstSectionLine, 1,
             describesNone
                 ? QStringLiteral("задача не описывает ни одного размера поля; ученик начнёт на "
                                  "пустом поле 12 × 12")
                 : QStringLiteral("нет раздела для поля 12 × 12, с которого начинается работа: ученик "
                                  "начнёт на пустом поле"));
    }
    warnAboutUnreadRest();
    return true;
}

bool TaskFileParser::readStatement()
{
    const QString noEnd = QStringLiteral("нет строки \"Z\", которой кончается условие задачи");
    if (!readNonEmptyLine(noEnd))
        return false;
    m_task.statement.clear();
    while (!m_line.startsWith(Columns::statementEnd)) {
        if (const QString trimmed = m_line.trimmed();
            trimmed.size() == 1 && !latinLookAlike(trimmed.at(0)).isNull())
            warn(m_lineNumber, int(m_line.indexOf(trimmed.at(0))) + 1,
                 lookAlikeText(trimmed.at(0), latinLookAlike(trimmed.at(0)))
                     + QStringLiteral("; эта строка остаётся в условии"));
        m_task.statement.append(m_line);
        if (!readNonEmptyLine(noEnd))
            return false;
    }
    if (m_task.statement.isEmpty())
        warn(m_lineNumber, 1, QStringLiteral("условие задачи пусто: над полем ничего не будет написано"));
    if (m_line.trimmed() != QStringLiteral("Z"))
        warn(m_lineNumber, 1,
             QStringLiteral("строка начинается с латинской Z и потому кончает условие; остальное в ней "
                            "не показывается"));
    return true;
}

void TaskFileParser::warnAboutUnreadRest()
{
    for (qsizetype i = m_next; i < m_lines.size(); ++i) {
        if (!m_lines.at(i).isEmpty()) {
            warn(int(i) + 1, 1,
                 QStringLiteral("после строки \"%1\" в строке %2 файл больше не читается; эта строка и все "
                                "следующие пропускаются")
                     .arg(m_line.left(1), QString::number(m_lineNumber)));
            return;
        }
    }
}

bool TaskFileParser::readSizeSection(int fieldSize)
{
    if (fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize) {
        warn(m_lineNumber, 1,
             QStringLiteral("код размера %1 вне 1…4: строка пропускается, и следующая строка читается как "
                            "заголовок раздела или \"F\"")
                 .arg(fieldSize - 11));
        return true;
    }
    const size_t index = size_t(fieldSize - TaskData::firstSize);
    m_task.sizeItemEnabled[index] = true;
    if (m_sectionLines[index] != 0)
        warn(m_lineNumber, 1,
             QStringLiteral("поле %1 уже описано в строке %2; действует это, второе описание")
                 .arg(fieldName(fieldSize), QString::number(m_sectionLines[index])));
    m_sectionLines[index] = m_lineNumber;
    return readSection(fieldSize, &m_task.sizes[index]);
}

bool TaskFileParser::readUnknownSection()
{
    return readSection(0, nullptr);
}

bool TaskFileParser::readSection(int fieldSize, TaskSizeData *size)
{
    const int headerLine = m_lineNumber;
    const auto column = readNumber(Columns::startColumn, QStringLiteral("столбец точки А"));
    if (isStopped())
        return false;
    const auto row = readNumber(Columns::startRow, QStringLiteral("строка точки А"));
    if (isStopped())
        return false;
    const auto heading = readNumber(Columns::startHeading, QStringLiteral("направление"));
    if (isStopped())
        return false;
    std::optional<qint16> pointBColumn;
    std::optional<qint16> pointBRow;
    if (m_task.hasPointB) {
        pointBColumn = readNumber(Columns::pointBColumn, QStringLiteral("столбец точки Б"));
        if (isStopped())
            return false;
        pointBRow = readNumber(Columns::pointBRow, QStringLiteral("строка точки Б"));
        if (isStopped())
            return false;
    }
    // A start outside the field or facing no side cannot be run; −1 stands for 0.
    const auto outsideField = [fieldSize](std::optional<qint16> value) {
        return fieldSize > 0 && value && (*value < -1 || *value >= fieldSize);
    };
    const QString allowed = QStringLiteral("допустимы 0…%1 (−1 означает 0)").arg(fieldSize - 1);
    if (outsideField(column)
        && !fail(TaskFileError::badTaskFile(m_lineNumber, Columns::startColumn.first),
                 QStringLiteral("столбец точки А %1 вне поля %2: %3")
                     .arg(QString::number(*column), fieldName(fieldSize), allowed)))
        return false;
    if (outsideField(row)
        && !fail(TaskFileError::badTaskFile(m_lineNumber, Columns::startRow.first),
                 QStringLiteral("строка точки А %1 вне поля %2: %3")
                     .arg(QString::number(*row), fieldName(fieldSize), allowed)))
        return false;
    if (heading && !isValidHeading(*heading)
        && !fail(TaskFileError::badTaskFile(m_lineNumber, Columns::startHeading.first),
                 QStringLiteral("направление %1: допустимы только 0, 90, 180 и 270 (−1 означает 0)")
                     .arg(*heading)))
        return false;

    if (size) {
        m_task.describedSizes[size_t(fieldSize - TaskData::firstSize)] = true;
        size->start = {column.value_or(0), row.value_or(0), heading.value_or(0)};
        if (m_task.hasPointB)
            size->pointB = {pointBColumn.value_or(0), pointBRow.value_or(0)};
        size->walls = WallSet{};
        if (column && row && heading && (!m_task.hasPointB || (pointBColumn && pointBRow)))
            checkStartAndPointB(fieldSize, *size);
    }

    QList<PlacedWall> fixedWalls;
    QList<PlacedWall> variants;
    int variableWalls = 0;
    const QString sectionName = fieldSize == 0 ? QStringLiteral("раздела в строке %1").arg(headerLine)
                                               : QStringLiteral("раздела поля %1").arg(fieldName(fieldSize));
    for (;;) {
        if (!readNonEmptyLine(QStringLiteral("нет строки \"E\" в конце %1").arg(sectionName)))
            return false;
        const QChar key = m_line.at(0);
        if (key == Columns::horizontalWalls || key == Columns::verticalWalls) {
            const int recordLine = m_lineNumber;
            if (!readNonEmptyLine(QStringLiteral("после \"%1\" в строке %2 нет строки стенок")
                                      .arg(key, QString::number(recordLine))))
                return false;
            const bool isHorizontal = key == Columns::horizontalWalls;
            QList<CellPosition> *walls =
                size ? (isHorizontal ? &size->walls.horizontal : &size->walls.vertical) : nullptr;
            if (!readWallRow(isHorizontal, fieldSize, fixedWalls, walls))
                return false;
        } else if (key == Columns::variableWall) {
            const int recordLine = m_lineNumber;
            // Only three variable walls can be shown and run.
            if (++variableWalls > WallModel::maxVariableWalls
                && !fail(TaskFileError::badTaskFile(m_lineNumber),
                         QStringLiteral("подвижных стенок больше трёх: эта, %1-я, не поместится")
                             .arg(variableWalls)))
                return false;
            if (!readNonEmptyLine(
                    QStringLiteral("после \"P\" в строке %1 нет строки подвижной стенки").arg(recordLine)))
                return false;
            if (!readVariableWall(fieldSize, variants,
                                  variableWalls <= WallModel::maxVariableWalls ? size : nullptr))
                return false;
        } else if (key == Columns::sectionEnd) {
            break;
        } else if (const QChar latin = latinLookAlike(key); !latin.isNull()) {
            warn(m_lineNumber, 1, lookAlikeText(key, latin) + QStringLiteral("; строка пропускается"));
        } else if (isSizeCodeDigit(key) || key == Columns::sizesEnd) {
            warn(m_lineNumber, 1,
                 QStringLiteral("строка похожа на начало раздела или \"F\", но раздел ещё не кончился "
                                "строкой \"E\"; строка не начинается с H, V, P или E и пропускается"));
        } else if (!m_line.trimmed().isEmpty()) {
            warn(m_lineNumber, 1, QStringLiteral("строка не начинается с H, V, P или E и пропускается"));
        }
    }
    checkSectionWalls(fixedWalls, variants);
    return true;
}

void TaskFileParser::checkStartAndPointB(int fieldSize, const TaskSizeData &size)
{
    if (!m_task.hasPointB)
        return;
    const CellPosition pointB = size.pointB;
    if (pointB.column < 0 || pointB.column >= fieldSize || pointB.row < 0 || pointB.row >= fieldSize) {
        warn(m_lineNumber, Columns::pointBColumn.first,
             QStringLiteral("точка Б (%1,%2) вне поля %3: её не будет видно")
                 .arg(QString::number(pointB.column), QString::number(pointB.row), fieldName(fieldSize)));
        return;
    }
    const int startColumn = size.start.column == -1 ? 0 : size.start.column;
    const int startRow = size.start.row == -1 ? 0 : size.start.row;
    if (startColumn == pointB.column && startRow == pointB.row)
        warn(m_lineNumber, Columns::pointBColumn.first,
             QStringLiteral("точки А и Б в одной клетке (%1,%2): Шагайка уже стоит у цели")
                 .arg(QString::number(pointB.column), QString::number(pointB.row)));
}

void TaskFileParser::checkWallPlace(const PlacedWall &wall, int fieldSize, const QString &what)
{
    if (fieldSize == 0)
        return;
    // A horizontal wall lies on the lower edge of its cell, a vertical one on the right edge.
    const int along = wall.isHorizontal ? wall.column : wall.row;
    const int across = wall.isHorizontal ? wall.row : wall.column;
    const QString name =
        QStringLiteral("%1 (%2,%3)").arg(what, QString::number(wall.column), QString::number(wall.row));
    if (along < 0 || along >= fieldSize || across < -1 || across > fieldSize - 1)
        warn(wall.line, wall.textColumn,
             QStringLiteral("%1 вне поля %2 и ни на что не влияет").arg(name, fieldName(fieldSize)));
    else if (across == -1 || across == fieldSize - 1)
        warn(wall.line, wall.textColumn,
             QStringLiteral("%1 лежит на границе поля %2, а граница и так непроходима")
                 .arg(name, fieldName(fieldSize)));
}

bool TaskFileParser::readWallRow(bool isHorizontal, int fieldSize, QList<PlacedWall> &placed,
                                 QList<CellPosition> *walls)
{
    if (isRecordKey(m_line)) {
        warn(m_lineNumber, 1,
             QStringLiteral("вместо строки стенок стоит запись \"%1\"; она читается как строка стенок")
                 .arg(m_line.trimmed()));
        return true;
    }
    const QString what =
        isHorizontal ? QStringLiteral("горизонтальная стенка") : QStringLiteral("вертикальная стенка");
    int k = 1;
    for (; m_line.size() >= Columns::wallItemWidth * k; ++k) {
        const auto column =
            readNumber(Columns::wallItemColumn(k), QStringLiteral("столбец стенки %1").arg(k));
        if (isStopped())
            return false;
        const auto row = readNumber(Columns::wallItemRow(k), QStringLiteral("строка стенки %1").arg(k));
        if (isStopped())
            return false;
        if (!column || !row)
            continue;
        const PlacedWall wall{isHorizontal, *column, *row, m_lineNumber, Columns::wallItemColumn(k).first};
        checkWallPlace(wall, fieldSize, what);
        placed.append(wall);
        if (walls)
            walls->append({*column, *row});
    }
    const QString rest = m_line.mid(Columns::wallItemWidth * (k - 1));
    if (!rest.trimmed().isEmpty())
        warn(m_lineNumber, Columns::wallItemWidth * (k - 1) + 1,
             QStringLiteral("«%1» короче шести знаков стенки и не читается").arg(printableName(rest)));
    return true;
}

bool TaskFileParser::readVariableWall(int fieldSize, QList<PlacedWall> &variants, TaskSizeData *size)
{
    struct VariantColumns
    {
        TaskFileField orientation;
        TaskFileField column;
        TaskFileField row;
    };
    const std::array<VariantColumns, 2> fields{
        VariantColumns{Columns::variant1Orientation, Columns::variant1Column, Columns::variant1Row},
        VariantColumns{Columns::variant2Orientation, Columns::variant2Column, Columns::variant2Row}};
    VariableWall wall;
    std::array<std::optional<PlacedWall>, 2> placed;
    bool isComplete = true;
    for (size_t v = 0; v < fields.size(); ++v) {
        const QString number = QString::number(v + 1);
        const QString orientation = columns(m_line, fields[v].orientation);
        const auto column = readNumber(fields[v].column, QStringLiteral("столбец положения %1").arg(number));
        if (isStopped())
            return false;
        const auto row = readNumber(fields[v].row, QStringLiteral("строка положения %1").arg(number));
        if (isStopped())
            return false;
        WallVariant &variant = v == 0 ? wall.variant1 : wall.variant2;
        variant.orientation = orientation;
        variant.column = column.value_or(0);
        variant.row = row.value_or(0);
        isComplete = isComplete && column && row;
        if (!variant.isHorizontal() && !variant.isVertical()) {
            QString message =
                QStringLiteral("положение %1 подвижной стенки: вместо \"H\" или \"V\" стоит «%2»; "
                               "в этом положении стенки нет")
                    .arg(number, printableName(orientation));
            if (const QChar latin = orientation.isEmpty() ? QChar() : latinLookAlike(orientation.at(0));
                !latin.isNull())
                message += QStringLiteral("; ") + lookAlikeText(orientation.at(0), latin);
            warn(m_lineNumber, fields[v].orientation.first, message);
            continue;
        }
        if (!column || !row)
            continue;
        placed[v] =
            PlacedWall{variant.isHorizontal(), *column, *row, m_lineNumber, fields[v].orientation.first};
        checkWallPlace(*placed[v], fieldSize, QStringLiteral("положение %1 подвижной стенки").arg(number));
        variants.append(*placed[v]);
    }
    if (placed[0] && placed[1] && placed[0]->isHorizontal == placed[1]->isHorizontal
        && placed[0]->column == placed[1]->column && placed[0]->row == placed[1]->row)
        warn(m_lineNumber, fields[1].orientation.first,
             QStringLiteral("оба положения подвижной стенки на одном месте: она не подвижна"));
    if (size && isComplete)
        size->walls.variable.append(wall);
    return true;
}

void TaskFileParser::checkSectionWalls(const QList<PlacedWall> &fixedWalls, const QList<PlacedWall> &variants)
{
    const auto samePlace = [](const PlacedWall &a, const PlacedWall &b) {
        return a.isHorizontal == b.isHorizontal && a.column == b.column && a.row == b.row;
    };
    for (qsizetype i = 0; i < fixedWalls.size(); ++i) {
        const PlacedWall &wall = fixedWalls.at(i);
        for (qsizetype j = 0; j < i; ++j) {
            if (samePlace(fixedWalls.at(j), wall)) {
                warn(wall.line, wall.textColumn,
                     QStringLiteral("стенка (%1,%2) уже есть в строке %3")
                         .arg(QString::number(wall.column), QString::number(wall.row),
                              QString::number(fixedWalls.at(j).line)));
                break;
            }
        }
    }
    for (const PlacedWall &variant : variants) {
        for (const PlacedWall &wall : fixedWalls) {
            if (samePlace(wall, variant)) {
                warn(variant.line, variant.textColumn,
                     QStringLiteral("положение подвижной стенки (%1,%2) совпадает с постоянной стенкой из "
                                    "строки %3: в этом положении подвижная стенка ничего не меняет")
                         .arg(QString::number(variant.column), QString::number(variant.row),
                              QString::number(wall.line)));
                break;
            }
        }
    }
}

TaskFileResult parseTaskFile(const QString &text, TaskFileParser::Mode mode)
{
    return TaskFileParser(text, mode).parse();
}
