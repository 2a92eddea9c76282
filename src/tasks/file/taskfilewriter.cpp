#include "tasks/file/taskfilewriter.h"

#include "common/atomicwrite.h"
#include "common/textencoding.h"
#include "editor/algorithmfile.h"
#include "tasks/file/taskfilecolumns.h"
#include "world/model/wallmodel.h"

namespace {

namespace Columns = TaskFileColumns;

// Walls per row: a row stays short enough to read in any editor.
constexpr int wallsPerRow = 8;

QString fieldName(int fieldSize)
{
    return QStringLiteral("%1 × %1").arg(fieldSize);
}

class LayoutBuilder
{
public:
    explicit LayoutBuilder(const TaskData &task)
        : m_task(task)
    {
    }

    TaskFileLayout build();

private:
    int nextLine() const { return int(m_lines.size()) + 1; }
    void addLine(const QString &line) { m_lines.append(line); }
    void problem(int line, int column, const QString &message)
    {
        m_layout.problems.append({line, column, message});
    }
    // Puts text right-aligned into a field's columns of a line, widening the line with blanks.
    void place(QString &line, TaskFileField field, const QString &text, int lineNumber);
    void placeNumber(QString &line, TaskFileField field, int value, int lineNumber)
    {
        place(line, field, QString::number(value), lineNumber);
    }
    void addPlace(int line, int first, int last, TaskFilePlace::Kind kind, int fieldSize = 0,
                  CellPosition cell = {}, int index = -1, int variant = 0)
    {
        TaskFilePlace place;
        place.line = line;
        place.firstColumn = first;
        place.lastColumn = last;
        place.kind = kind;
        place.fieldSize = fieldSize;
        place.cell = cell;
        place.index = index;
        place.variant = variant;
        m_layout.places.append(place);
    }

    void writeHeader();
    void writeStatement();
    void writeSection(int fieldSize, QChar code);
    void writeWallRows(int fieldSize, QChar key, const QList<CellPosition> &walls, TaskFilePlace::Kind kind);
    void writeVariableWall(int fieldSize, int index, const VariableWall &wall);

    const TaskData &m_task;
    QStringList m_lines;
    TaskFileLayout m_layout;
};

void LayoutBuilder::place(QString &line, TaskFileField field, const QString &text, int lineNumber)
{
    if (text.size() > field.width())
        problem(
            lineNumber, field.first,
            QStringLiteral("«%1» не помещается в столбцы %2–%3").arg(text).arg(field.first).arg(field.last));
    if (line.size() < field.last)
        line = line.leftJustified(field.last, u' ');
    const QString fitted = text.right(field.width()).rightJustified(field.width(), u' ');
    line.replace(field.first - 1, field.width(), fitted);
}

void LayoutBuilder::writeHeader()
{
    const int lineNumber = nextLine();
    QString line = QStringLiteral("#");
    // The label is free text; it is kept as it stands, padded to its three columns.
    const QString label = m_task.headerLabel.leftJustified(Columns::headerLabel.width(), u' ');
    if (m_task.headerLabel.size() > Columns::headerLabel.width())
        problem(lineNumber, Columns::headerLabel.first,
                QStringLiteral("метка заголовка «%1» длиннее трёх знаков").arg(m_task.headerLabel));
    place(line, Columns::headerLabel, label.left(Columns::headerLabel.width()), lineNumber);
    placeNumber(line, Columns::patternFlag, m_task.hasPattern ? 1 : 0, lineNumber);
    placeNumber(line, Columns::pointBFlag, m_task.hasPointB ? 1 : 0, lineNumber);
    placeNumber(line, Columns::reservedNumber, m_task.reservedNumber, lineNumber);
    addLine(line);
    addPlace(lineNumber, 1, int(line.size()), TaskFilePlace::Kind::Header);
}

void LayoutBuilder::writeStatement()
{
    for (const QString &text : m_task.statement) {
        const int lineNumber = nextLine();
        if (text.isEmpty())
            problem(lineNumber, 1,
                    QStringLiteral("пустая строка условия при чтении пропадёт; поставьте в ней пробел"));
        else if (text.startsWith(Columns::statementEnd))
            problem(lineNumber, 1,
                    QStringLiteral("строка условия начинается с латинской Z: на ней условие кончится"));
        addLine(text);
        addPlace(lineNumber, 1, qMax(1, int(text.size())), TaskFilePlace::Kind::Statement);
    }
    addLine(QString(QChar(Columns::statementEnd)));
}

void LayoutBuilder::writeSection(int fieldSize, QChar code)
{
    const TaskSizeData &size = m_task.size(fieldSize);
    const int lineNumber = nextLine();
    QString line(code);
    placeNumber(line, Columns::startColumn, size.start.column, lineNumber);
    placeNumber(line, Columns::startRow, size.start.row, lineNumber);
    placeNumber(line, Columns::startHeading, size.start.heading, lineNumber);
    const CellPosition start{size.start.column, size.start.row};
    addPlace(lineNumber, 1, 1, TaskFilePlace::Kind::SectionHeader, fieldSize, start);
    addPlace(lineNumber, Columns::startColumn.first, Columns::startHeading.last, TaskFilePlace::Kind::Start,
             fieldSize, start);
    if (m_task.hasPointB) {
        placeNumber(line, Columns::pointBColumn, size.pointB.column, lineNumber);
        placeNumber(line, Columns::pointBRow, size.pointB.row, lineNumber);
        addPlace(lineNumber, Columns::pointBColumn.first, Columns::pointBRow.last,
                 TaskFilePlace::Kind::PointB, fieldSize, size.pointB);
    }
    addLine(line);

    writeWallRows(fieldSize, Columns::horizontalWalls, size.walls.horizontal,
                  TaskFilePlace::Kind::HorizontalWall);
    writeWallRows(fieldSize, Columns::verticalWalls, size.walls.vertical, TaskFilePlace::Kind::VerticalWall);
    for (int i = 0; i < size.walls.variable.size(); ++i) {
        if (i == WallModel::maxVariableWalls)
            problem(nextLine(), 1,
                    QStringLiteral("на поле %1 больше трёх подвижных стенок: загрузчик такой файл не примет")
                        .arg(fieldName(fieldSize)));
        writeVariableWall(fieldSize, i, size.walls.variable.at(i));
    }
    addLine(QString(QChar(Columns::sectionEnd)));
}

void LayoutBuilder::writeWallRows(int fieldSize, QChar key, const QList<CellPosition> &walls,
                                  TaskFilePlace::Kind kind)
{
    for (qsizetype first = 0; first < walls.size(); first += wallsPerRow) {
        addLine(QString(key));
        const int lineNumber = nextLine();
        QString line;
        const qsizetype count = qMin<qsizetype>(wallsPerRow, walls.size() - first);
        for (int k = 1; k <= count; ++k) {
            const CellPosition &wall = walls.at(first + k - 1);
            placeNumber(line, Columns::wallItemColumn(k), wall.column, lineNumber);
            placeNumber(line, Columns::wallItemRow(k), wall.row, lineNumber);
            addPlace(lineNumber, Columns::wallItemColumn(k).first - 1, Columns::wallItemRow(k).last, kind,
                     fieldSize, wall);
        }
        addLine(line);
    }
}

void LayoutBuilder::writeVariableWall(int fieldSize, int index, const VariableWall &wall)
{
    addLine(QString(QChar(Columns::variableWall)));
    const int lineNumber = nextLine();
    QString line;
    const struct
    {
        const WallVariant &variant;
        TaskFileField orientation;
        TaskFileField column;
        TaskFileField row;
    } variants[] = {
        {wall.variant1, Columns::variant1Orientation, Columns::variant1Column, Columns::variant1Row},
        {wall.variant2, Columns::variant2Orientation, Columns::variant2Column, Columns::variant2Row}};
    int number = 1;
    for (const auto &v : variants) {
        if (v.variant.orientation.size() != 1)
            problem(lineNumber, v.orientation.first,
                    QStringLiteral("положение %1 подвижной стенки: ориентация «%2» — не одна буква")
                        .arg(number)
                        .arg(v.variant.orientation));
        place(line, v.orientation, v.variant.orientation.left(1), lineNumber);
        placeNumber(line, v.column, v.variant.column, lineNumber);
        placeNumber(line, v.row, v.variant.row, lineNumber);
        addPlace(lineNumber, v.orientation.first, v.row.last, TaskFilePlace::Kind::VariableWall, fieldSize,
                 CellPosition{v.variant.column, v.variant.row}, index, number);
        ++number;
    }
    addLine(line);
}

TaskFileLayout LayoutBuilder::build()
{
    writeHeader();
    writeStatement();
    if (!m_task.sizeMenuEnabled) {
        // A single-size task: one section of 12 × 12, and nothing after it is read.
        if (!m_task.offersSize(TaskData::firstSize))
            problem(nextLine(), 1,
                    QStringLiteral("задача с одним размером поля должна описывать поле 12 × 12"));
        for (int size = TaskData::firstSize + 1; size <= TaskData::lastSize; ++size) {
            if (m_task.offersSize(size))
                problem(nextLine(), 1,
                        QStringLiteral("в задаче с одним размером поля поле %1 не записывается")
                            .arg(fieldName(size)));
        }
        writeSection(TaskData::firstSize, QChar(Columns::singleSizeCode));
    } else {
        for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
            if (m_task.offersSize(size))
                writeSection(size, QChar(u'0' + (size - 11)));
        }
        addLine(QString(QChar(Columns::sizesEnd)));
    }
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        for (int column = 0; column < line.size(); ++column) {
            if (!encodeWindows1251(line.mid(column, 1))) {
                problem(i + 1, column + 1,
                        QStringLiteral("знак «%1» нельзя записать в кодировке Windows-1251")
                            .arg(line.mid(column, 1)));
            }
        }
    }
    m_layout.text = m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    return m_layout;
}

} // namespace

TaskFileLayout layOutTaskFile(const TaskData &task)
{
    return LayoutBuilder(task).build();
}

std::optional<QString> writeTaskFile(const QString &path, const TaskData &task)
{
    const TaskFileLayout layout = layOutTaskFile(task);
    if (!layout.isFaithful()) {
        const TaskProblem &first = layout.problems.first();
        return QStringLiteral("Задачу нельзя записать: строка %1, столбец %2: %3")
            .arg(QString::number(first.line), QString::number(first.column), first.message);
    }
    const std::optional<QByteArray> bytes = encodeWindows1251(layout.text);
    if (!bytes)
        return QStringLiteral("Задачу нельзя записать в кодировке Windows-1251");
    const FileWriteResult written = writeFileAtomically(path, *bytes);
    if (!written.isOk())
        return writeFailedMessage(path, written);
    return std::nullopt;
}
