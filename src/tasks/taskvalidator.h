#pragma once

#include "tasks/taskdata.h"
#include "tasks/taskproblem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A lenient reading of a task file that goes on after a fault and lists every problem it
// finds: fields that are no numbers, records that are missing, more than three variable
// walls, a start or point Б outside the field, a heading other than 0, 90, 180 or 270,
// walls on the border or outside the field, a variable wall's position on a fixed wall,
// lines that the loader would skip or misread. It reads the file the way the loader does
// (same records, same columns) but never stops at the first fault; the loader itself is
// left alone.
class TaskValidator
{
public:
    explicit TaskValidator(const QString &text);

    // Every problem, in the order of the file's lines.
    QList<TaskProblem> problems() const { return m_problems; }
    bool hasPattern() const { return m_hasPattern; }
    // The header line (1-based) of each size's section; 0 for a size not described.
    int sectionLine(int fieldSize) const;
    // The line of the file's header record, 0 when the file has none.
    int headerLine() const { return m_headerLine; }

private:
    struct PlacedWall
    {
        bool horizontal = true;
        qint16 column = 0;
        qint16 row = 0;
        int line = 0;
        int textColumn = 0;
    };

    void readFile();
    // fieldSize 0: a section whose size is unknown, checked without the field's bounds.
    bool readSection(int fieldSize);
    bool readWallRow(bool horizontal, int fieldSize, QList<PlacedWall> &walls);
    void readVariableWall(int fieldSize, QList<PlacedWall> &variants);
    void checkWallPlace(const PlacedWall &wall, int fieldSize, const QString &what);
    void checkCell(std::optional<qint16> column, std::optional<qint16> row, int fieldSize, int textColumn,
                   const QString &what);
    bool readNonEmptyLine();
    std::optional<qint16> readNumber(int first, int last, const QString &what);
    void report(int line, int column, const QString &message);
    int endOfFileLine() const { return int(m_lines.size()) + 1; }

    QStringList m_lines;
    int m_next = 0;
    QString m_line;
    int m_lineNumber = 0;
    bool m_hasPattern = false;
    bool m_hasPointB = false;
    int m_headerLine = 0;
    std::array<int, 4> m_sectionLines{0, 0, 0, 0};
    QList<TaskProblem> m_problems;
};

// The problems of a task folder: those of its task file and, for a drawing task, a pattern
// picture that is missing or cannot be read. A task file that cannot be read at all gives
// one problem without a place.
struct TaskFolderValidation
{
    QString taskFile; // empty when the folder holds none
    QList<TaskProblem> problems;
    std::array<int, 4> sectionLines{0, 0, 0, 0};
    bool isReadable = false;
};
TaskFolderValidation validateTaskFolder(const QString &folder);
