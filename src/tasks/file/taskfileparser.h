#pragma once

#include "tasks/file/taskfilefield.h"
#include "tasks/file/taskfileresult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Reads the text of a task file: a header, the statement up to the "Z" line, then one
// size section ("0") or several ("1".."4") closed by "F". Fields sit in fixed 1-based
// columns, counted in characters. Loading stops at the first error, which is returned;
// checking a task reads on after an error as far as the file allows and lists every
// error and warning with its place. Up to the first error both read alike.
class TaskFileParser
{
public:
    enum class Mode { StopAtFirstError, CollectProblems };

    explicit TaskFileParser(const QString &text, Mode mode = Mode::StopAtFirstError);

    TaskFileResult parse();

private:
    struct PlacedWall
    {
        bool isHorizontal = true;
        qint16 column = 0;
        qint16 row = 0;
        int line = 0;
        int textColumn = 0;
    };

    bool readTaskFile();
    bool readStatement();
    bool readSizeSection(int fieldSize);
    // A section whose size code is no number: read only to check it, nothing is stored.
    bool readUnknownSection();
    bool readSection(int fieldSize, TaskSizeData *size);
    // Appends the row's walls to placed and, when given, to walls.
    bool readWallRow(bool isHorizontal, int fieldSize, QList<PlacedWall> &placed, QList<CellPosition> *walls);
    bool readVariableWall(int fieldSize, QList<PlacedWall> &variants, TaskSizeData *size);
    void checkSectionWalls(const QList<PlacedWall> &fixedWalls, const QList<PlacedWall> &variants);
    void checkWallPlace(const PlacedWall &wall, int fieldSize, const QString &what);
    void checkStartAndPointB(int fieldSize, const TaskSizeData &size);
    void warnAboutUnreadRest();
    // Makes the next non-empty line current; at the end of the file that is an error,
    // explained by what was still needed.
    bool readNonEmptyLine(const QString &needed);
    // The number in a field's columns of the current line.
    std::optional<qint16> readNumber(TaskFileField field, const QString &what);
    // Records an error; false when reading stops there.
    bool fail(const TaskFileError &error, const QString &explanation);
    void warn(int line, int column, const QString &message);
    bool isStopped() const { return m_error.has_value() && m_mode == Mode::StopAtFirstError; }

    Mode m_mode;
    QStringList m_lines;
    int m_next = 0;
    QString m_line;
    int m_lineNumber = 0;
    TaskData m_task;
    std::optional<TaskFileError> m_error;
    QList<TaskProblem> m_problems;
    int m_headerLine = 0;
    std::array<int, 4> m_sectionLines{0, 0, 0, 0};
};

TaskFileResult parseTaskFile(const QString &text,
                             TaskFileParser::Mode mode = TaskFileParser::Mode::StopAtFirstError);

// A number field's text: decimal, right-aligned, leading blanks or zeros and a sign
// allowed, nothing after the last digit. Empty when the text is no such number.
std::optional<qint16> parseFieldNumber(const QString &text);
