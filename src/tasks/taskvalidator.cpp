#include "tasks/taskvalidator.h"

#include "common/filebytes.h"
#include "common/textencoding.h"
#include "tasks/patternpicture.h"
#include "tasks/taskfileparser.h"
#include "tasks/taskfolder.h"
#include "world/wallmodel.h"

#include <algorithm>
#include <tuple>

namespace {

QString columns(const QString &line, int first, int last)
{
    return line.mid(first - 1, last - first + 1);
}

bool isRecordKey(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.size() == 1 && QStringLiteral("HVPEFZ").contains(trimmed.at(0));
}

QString fieldName(int fieldSize)
{
    return QStringLiteral("%1 × %1").arg(fieldSize);
}

// Problems found at the same place keep the order in which they were found.
void sortByPlace(QList<TaskProblem> &problems)
{
    std::stable_sort(problems.begin(), problems.end(), [](const TaskProblem &a, const TaskProblem &b) {
        return std::tie(a.line, a.column) < std::tie(b.line, b.column);
    });
}

} // namespace

TaskValidator::TaskValidator(const QString &text)
    : m_lines(splitTextLines(text))
{
    readFile();
    sortByPlace(m_problems);
}

int TaskValidator::sectionLine(int fieldSize) const
{
    if (fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize)
        return 0;
    return m_sectionLines[size_t(fieldSize - TaskData::firstSize)];
}

void TaskValidator::report(int line, int column, const QString &message)
{
    m_problems.append({line, column, message});
}

bool TaskValidator::readNonEmptyLine()
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
    m_lineNumber = endOfFileLine();
    return false;
}

std::optional<qint16> TaskValidator::readNumber(int first, int last, const QString &what)
{
    const QString text = columns(m_line, first, last);
    const std::optional<qint16> value = parseFieldNumber(text);
    if (!value) {
        if (text.trimmed().isEmpty())
            report(m_lineNumber, first,
                   QStringLiteral("%1: в столбцах %2–%3 нет числа").arg(what).arg(first).arg(last));
        else
            report(m_lineNumber, first, QStringLiteral("%1: «%2» — не целое число").arg(what, text));
    }
    return value;
}

void TaskValidator::readFile()
{
    if (!readNonEmptyLine()) {
        report(1, 1, QStringLiteral("файл задачи пуст"));
        return;
    }
    m_headerLine = m_lineNumber;
    m_hasPattern = readNumber(7, 7, QStringLiteral("признак образца")) == qint16(1);
    m_hasPointB = readNumber(9, 9, QStringLiteral("признак точки Б")) == qint16(1);
    if (m_line.size() >= 14)
        readNumber(11, 14, QStringLiteral("резервное число"));

    int statementLines = 0;
    for (;;) {
        if (!readNonEmptyLine()) {
            report(endOfFileLine(), 1, QStringLiteral("нет строки \"Z\", которой кончается условие задачи"));
            return;
        }
        if (m_line.startsWith(u'Z'))
            break;
        ++statementLines;
    }
    if (statementLines == 0)
        report(m_lineNumber, 1, QStringLiteral("условие задачи пусто"));

    if (!readNonEmptyLine()) {
        report(endOfFileLine(), 1, QStringLiteral("после строки \"Z\" нет описания поля"));
        return;
    }
    if (m_line.startsWith(u'0')) {
        m_sectionLines[0] = m_lineNumber;
        if (!readSection(TaskData::firstSize))
            return;
        if (readNonEmptyLine())
            report(m_lineNumber, 1,
                   QStringLiteral("задача с одним размером кончается строкой \"E\"; "
                                  "эта строка и все следующие не читаются"));
        return;
    }

    int sections = 0;
    while (!m_line.startsWith(u'F')) {
        const std::optional<qint16> code = readNumber(1, 1, QStringLiteral("код размера поля"));
        int fieldSize = 0;
        if (code) {
            if (*code >= 1 && *code <= 4) {
                fieldSize = *code + 11;
                int &line = m_sectionLines[size_t(fieldSize - TaskData::firstSize)];
                if (line != 0)
                    report(m_lineNumber, 1,
                           QStringLiteral("поле %1 уже описано в строке %2; действует это, второе "
                                          "описание")
                               .arg(fieldName(fieldSize))
                               .arg(line));
                line = m_lineNumber;
                ++sections;
            } else {
                report(m_lineNumber, 1,
                       QStringLiteral("код размера %1 вне 1…4: загрузчик пропустит эту строку и "
                                      "прочтёт следующую как начало раздела")
                           .arg(*code));
            }
        }
        if (!readSection(fieldSize))
            return;
        if (!readNonEmptyLine()) {
            report(endOfFileLine(), 1, QStringLiteral("нет строки \"F\" после разделов размеров поля"));
            return;
        }
    }
    if (sections == 0)
        report(m_lineNumber, 1, QStringLiteral("задача не описывает ни одного размера поля"));
}

void TaskValidator::checkCell(std::optional<qint16> column, std::optional<qint16> row, int fieldSize,
                              int textColumn, const QString &what)
{
    if (fieldSize == 0 || !column || !row)
        return;
    if (*column < 0 || *column >= fieldSize || *row < 0 || *row >= fieldSize)
        report(m_lineNumber, textColumn,
               QStringLiteral("%1 (%2,%3) вне поля %4: столбцы и строки 0…%5")
                   .arg(what)
                   .arg(*column)
                   .arg(*row)
                   .arg(fieldName(fieldSize))
                   .arg(fieldSize - 1));
}

bool TaskValidator::readSection(int fieldSize)
{
    const int headerLine = m_lineNumber;
    const auto column = readNumber(3, 4, QStringLiteral("столбец точки А"));
    const auto row = readNumber(6, 7, QStringLiteral("строка точки А"));
    checkCell(column, row, fieldSize, 3, QStringLiteral("точка А"));
    const auto heading = readNumber(9, 11, QStringLiteral("направление"));
    if (heading && *heading != 0 && *heading != 90 && *heading != 180 && *heading != 270)
        report(m_lineNumber, 9,
               QStringLiteral("направление %1: допустимы только 0, 90, 180 и 270").arg(*heading));
    if (m_hasPointB) {
        const auto bColumn = readNumber(13, 14, QStringLiteral("столбец точки Б"));
        const auto bRow = readNumber(16, 17, QStringLiteral("строка точки Б"));
        checkCell(bColumn, bRow, fieldSize, 13, QStringLiteral("точка Б"));
    }

    QList<PlacedWall> fixedWalls;
    QList<PlacedWall> variants;
    int variableWalls = 0;
    const QString sectionName = fieldSize == 0 ? QStringLiteral("раздела в строке %1").arg(headerLine)
                                               : QStringLiteral("раздела поля %1").arg(fieldName(fieldSize));
    for (;;) {
        if (!readNonEmptyLine()) {
            report(endOfFileLine(), 1, QStringLiteral("нет строки \"E\" в конце %1").arg(sectionName));
            return false;
        }
        const QChar key = m_line.at(0);
        if (key == u'H' || key == u'V') {
            const int recordLine = m_lineNumber;
            if (!readNonEmptyLine()) {
                report(endOfFileLine(), 1,
                       QStringLiteral("после \"%1\" в строке %2 нет строки стенок").arg(key).arg(recordLine));
                return false;
            }
            if (!readWallRow(key == u'H', fieldSize, fixedWalls))
                return false;
        } else if (key == u'P') {
            const int recordLine = m_lineNumber;
            if (++variableWalls > WallModel::maxVariableWalls)
                report(m_lineNumber, 1,
                       QStringLiteral("подвижных стенок больше трёх: эта, %1-я, не поместится")
                           .arg(variableWalls));
            if (!readNonEmptyLine()) {
                report(endOfFileLine(), 1,
                       QStringLiteral("после \"P\" в строке %1 нет строки подвижной стенки").arg(recordLine));
                return false;
            }
            readVariableWall(fieldSize, variants);
        } else if (key == u'E') {
            break;
        } else if (!m_line.trimmed().isEmpty()) {
            report(m_lineNumber, 1,
                   QStringLiteral("строка не начинается с H, V, P или E, загрузчик её пропустит"));
        }
    }

    for (const PlacedWall &variant : variants) {
        for (const PlacedWall &wall : fixedWalls) {
            if (wall.horizontal == variant.horizontal && wall.column == variant.column
                && wall.row == variant.row) {
                report(variant.line, variant.textColumn,
                       QStringLiteral(
                           "положение подвижной стенки (%1,%2) совпадает с постоянной стенкой из строки %3")
                           .arg(variant.column)
                           .arg(variant.row)
                           .arg(wall.line));
                break;
            }
        }
    }
    return true;
}

void TaskValidator::checkWallPlace(const PlacedWall &wall, int fieldSize, const QString &what)
{
    if (fieldSize == 0)
        return;
    // A horizontal wall lies on the lower edge of its cell, a vertical one on the right edge.
    const int along = wall.horizontal ? wall.column : wall.row;
    const int across = wall.horizontal ? wall.row : wall.column;
    const QString name = QStringLiteral("%1 (%2,%3)").arg(what).arg(wall.column).arg(wall.row);
    if (along < 0 || along >= fieldSize || across < -1 || across > fieldSize - 1)
        report(wall.line, wall.textColumn, QStringLiteral("%1 вне поля %2").arg(name, fieldName(fieldSize)));
    else if (across == -1 || across == fieldSize - 1)
        report(wall.line, wall.textColumn,
               QStringLiteral("%1 лежит на границе поля %2, а граница и так непроходима")
                   .arg(name, fieldName(fieldSize)));
}

bool TaskValidator::readWallRow(bool horizontal, int fieldSize, QList<PlacedWall> &walls)
{
    if (isRecordKey(m_line)) {
        report(m_lineNumber, 1,
               QStringLiteral("вместо строки стенок стоит запись \"%1\"; загрузчик прочтёт её как "
                              "строку стенок")
                   .arg(m_line.trimmed()));
        // The record is consumed as data, as the loader does; an "E" here leaves the section open.
        return true;
    }
    const QString what =
        horizontal ? QStringLiteral("горизонтальная стенка") : QStringLiteral("вертикальная стенка");
    int k = 1;
    for (; m_line.size() >= 6 * k; ++k) {
        const auto column = readNumber(6 * k - 4, 6 * k - 3, QStringLiteral("столбец стенки %1").arg(k));
        const auto row = readNumber(6 * k - 1, 6 * k, QStringLiteral("строка стенки %1").arg(k));
        if (!column || !row)
            continue;
        const PlacedWall wall{horizontal, *column, *row, m_lineNumber, 6 * k - 4};
        checkWallPlace(wall, fieldSize, what);
        walls.append(wall);
    }
    const QString rest = m_line.mid(6 * (k - 1));
    if (!rest.trimmed().isEmpty())
        report(m_lineNumber, 6 * k - 5,
               QStringLiteral("«%1» короче шести знаков стенки и не читается").arg(rest));
    return true;
}

void TaskValidator::readVariableWall(int fieldSize, QList<PlacedWall> &variants)
{
    std::optional<PlacedWall> placed[2];
    for (int v = 0; v < 2; ++v) {
        const int letterColumn = 2 + 8 * v;
        const QString orientation = columns(m_line, letterColumn, letterColumn);
        const QString number = QString::number(v + 1);
        const auto column = readNumber(letterColumn + 2, letterColumn + 3,
                                       QStringLiteral("столбец положения %1").arg(number));
        const auto row =
            readNumber(letterColumn + 5, letterColumn + 6, QStringLiteral("строка положения %1").arg(number));
        if (orientation != QLatin1String("H") && orientation != QLatin1String("V")) {
            report(m_lineNumber, letterColumn,
                   QStringLiteral("положение %1 подвижной стенки: вместо \"H\" или \"V\" стоит «%2»; "
                                  "такая стенка никогда не мешает")
                       .arg(number, orientation));
            continue;
        }
        if (!column || !row)
            continue;
        const PlacedWall wall{orientation == QLatin1String("H"), *column, *row, m_lineNumber, letterColumn};
        checkWallPlace(wall, fieldSize, QStringLiteral("положение %1 подвижной стенки").arg(number));
        placed[v] = wall;
        variants.append(wall);
    }
    if (placed[0] && placed[1] && placed[0]->horizontal == placed[1]->horizontal
        && placed[0]->column == placed[1]->column && placed[0]->row == placed[1]->row)
        report(m_lineNumber, 10, QStringLiteral("оба положения подвижной стенки на одном месте"));
}

TaskFolderValidation validateTaskFolder(const QString &folder)
{
    TaskFolderValidation result;
    const TaskFolder taskFolder(folder);
    result.taskFile = taskFolder.taskFilePath();
    if (result.taskFile.isEmpty()) {
        result.problems.append({0, 0, QStringLiteral("Не найден файл ") + TaskFolder::taskFileName()});
        return result;
    }
    const FileBytes read = readFileBytes(result.taskFile, maxReadFileSize);
    if (!read.isOk()) {
        const TaskFileError error = read.isTooLarge
            ? TaskFileError::fileTooLarge(TaskFolder::taskFileName())
            : TaskFileError::fileNotReadable(TaskFolder::taskFileName(), read.reason);
        result.problems.append({0, 0, error.message});
        return result;
    }
    result.isReadable = true;
    const TaskValidator validator(decodeText(read.bytes));
    result.problems = validator.problems();
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size)
        result.sectionLines[size_t(size - TaskData::firstSize)] = validator.sectionLine(size);

    if (validator.hasPattern()) {
        const QString picture = taskFolder.patternFilePath();
        if (picture.isEmpty()) {
            result.problems.append({validator.headerLine(), 7,
                                    QStringLiteral("задача на рисование по образцу, но рядом нет картинки %1")
                                        .arg(TaskFolder::patternFileName())});
        } else if (const PatternPicture pattern = readPatternPicture(picture); !pattern.isOk()) {
            result.problems.append({validator.headerLine(), 7,
                                    QStringLiteral("картинка образца %1 не читается: %2")
                                        .arg(TaskFolder::patternFileName(), pattern.reason)});
        }
        sortByPlace(result.problems);
    }
    return result;
}
