#pragma once

#include "tasks/taskfilefield.h"
#include "tasks/taskfileresult.h"

#include <QString>
#include <QStringList>

#include <optional>

// Reads the text of a task file: a header, the statement up to the "Z" line, then one
// size section ("0") or several ("1".."4") closed by "F". Fields sit in fixed 1-based
// columns, counted in characters. Parsing stops at the first fault, which is returned.
class TaskFileParser
{
public:
    explicit TaskFileParser(const QString &text);

    TaskFileResult parse();

private:
    bool readTaskFile();
    bool readSizeSection(int fieldSize);
    bool readWallRow(QList<CellPosition> &walls);
    bool readVariableWall(QList<VariableWall> &walls);
    bool readNonEmptyLine();
    // The number in a field's columns of the current line.
    std::optional<qint16> readNumber(TaskFileField field);
    bool fail(const TaskFileError &error);

    QStringList m_lines;
    int m_next = 0;
    QString m_line;
    int m_lineNumber = 0;
    TaskData m_task;
    std::optional<TaskFileError> m_error;
};

TaskFileResult parseTaskFile(const QString &text);

// A number field's text: decimal, right-aligned, leading blanks or zeros and a sign
// allowed, nothing after the last digit. Empty when the text is no such number.
std::optional<qint16> parseFieldNumber(const QString &text);
