#pragma once

#include "tasks/file/taskfilefield.h"

// The fixed columns of the task file's records, shared by everything that reads or
// writes them, so that a written file lands exactly where it is read.
namespace TaskFileColumns {

// Header line: "# 001 0 1  300".
inline constexpr TaskFileField headerLabel{3, 5}; // any characters, not interpreted
inline constexpr TaskFileField patternFlag{7, 7};
inline constexpr TaskFileField pointBFlag{9, 9};
inline constexpr TaskFileField reservedNumber{11, 14};

// Section header line: "1  3  3   0  5  7".
inline constexpr TaskFileField sizeCode{1, 1};
inline constexpr TaskFileField startColumn{3, 4};
inline constexpr TaskFileField startRow{6, 7};
inline constexpr TaskFileField startHeading{9, 11};
inline constexpr TaskFileField pointBColumn{13, 14};
inline constexpr TaskFileField pointBRow{16, 17};

// Wall rows: item k (1, 2, …) fills columns 6k−5..6k, the others being separators.
inline constexpr int wallItemWidth = 6;
constexpr TaskFileField wallItemColumn(int item)
{
    return {wallItemWidth * item - 4, wallItemWidth * item - 3};
}
constexpr TaskFileField wallItemRow(int item)
{
    return {wallItemWidth * item - 1, wallItemWidth * item};
}

// Variable wall line: " H  3  4 V  5  6".
inline constexpr TaskFileField variant1Orientation{2, 2};
inline constexpr TaskFileField variant1Column{4, 5};
inline constexpr TaskFileField variant1Row{7, 8};
inline constexpr TaskFileField variant2Orientation{10, 10};
inline constexpr TaskFileField variant2Column{12, 13};
inline constexpr TaskFileField variant2Row{15, 16};

// Record keys, tested as the first character of a line.
inline constexpr char16_t statementEnd = u'Z';
inline constexpr char16_t singleSizeCode = u'0';
inline constexpr char16_t horizontalWalls = u'H';
inline constexpr char16_t verticalWalls = u'V';
inline constexpr char16_t variableWall = u'P';
inline constexpr char16_t sectionEnd = u'E';
inline constexpr char16_t sizesEnd = u'F';

} // namespace TaskFileColumns
