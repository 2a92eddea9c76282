#pragma once

#include <QString>
#include <QStringList>

// The line format of an algorithm. A line is its indentation (leading characters of
// codes 0 to 32) followed by its command text; every consumer classifies a line by
// its command text only, by exact comparison or by a fixed-length prefix.

namespace AlgorithmKeyword {
inline const QString title = QStringLiteral("АЛГОРИТМ ПУТЬ_");
inline const QString given = QStringLiteral("Дано: Исполнитель в т.А");
inline const QString goalPointB = QStringLiteral("Надо: Исполнитель в т.Б");
inline const QString goalPattern = QStringLiteral("Надо: Воспроизвести образец");
inline const QString begin = QStringLiteral("НАЧ");
inline const QString end = QStringLiteral("КОН");
inline const QString step = QStringLiteral("ШАГ");
inline const QString jump = QStringLiteral("ПРЫЖОК");
inline const QString turn = QStringLiteral("ПОВОРОТ");
inline const QString ifWall = QStringLiteral("ЕСЛИ впереди стена");
inline const QString ifNotWall = QStringLiteral("ЕСЛИ впереди НЕ стена");
inline const QString then = QStringLiteral("ТО");
inline const QString otherwise = QStringLiteral("ИНАЧЕ");
inline const QString branchEnd = QStringLiteral("ВСЁ");
inline const QString whileWall = QStringLiteral("ПОКА впереди стена");
inline const QString whileNotWall = QStringLiteral("ПОКА впереди НЕ стена");
inline const QString loopBegin = QStringLiteral("НЦ");
inline const QString loopEnd = QStringLiteral("КЦ");
inline const QString procedure = QStringLiteral("ПРОЦЕДУРА");
inline const QString procedureEnd = QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ");
inline const QString call = QStringLiteral("ДЕЛАЙ");
inline const QString comment = QStringLiteral("//");
} // namespace AlgorithmKeyword

// Shown at the end of the title line; no operation changes it.
inline constexpr int algorithmNumber = 0;
// The row of "КОН" in the skeleton: the first row after "НАЧ".
inline constexpr int skeletonFirstBodyRow = 4;
// Height of one row of the algorithm list in pixels.
inline constexpr int algorithmRowHeight = 16;

enum class LineKind {
    Title,
    Given,
    Goal,
    Begin,
    End,
    Command,
    BranchHead,
    Then,
    Else,
    BranchEnd,
    LoopHead,
    LoopBegin,
    LoopEnd,
    ProcedureHead,
    ProcedureEnd,
    Call,
    Comment,
    Blank,
    Other,
};

int indentationLength(const QString &line);
QString commandText(const QString &line);
LineKind lineKind(const QString &line);

bool isCommandLine(const QString &line);
bool isBranchHead(const QString &line);
bool isLoopHead(const QString &line);
bool isProcedureHead(const QString &line);
bool isCallLine(const QString &line);
bool isCommentLine(const QString &line);
bool isBlankLine(const QString &line);
// Counted by the statistics: neither blank nor a comment.
bool isCountedLine(const QString &line);

// Name of a procedure head (its command text from the 11th character) and of a call
// (from the 7th). Empty when the text is shorter.
QString procedureHeadName(const QString &line);
QString callName(const QString &line);

// Blanks for every line inserted before `line`.
QString insertionIndent(const QString &line);

QString titleLine();
QStringList algorithmSkeleton(bool hasPointB);

// The selection rule applied when the pupil selects `row`: the row that ends up
// selected. "НЦ" and "ТО" pass to the next row, header lines and "НАЧ" to row 4.
// When that row is not in the text the pupil's row stays; a row outside the text
// gives -1.
int rowAfterPupilSelection(const QStringList &lines, int row);

// Half the number of whole rows that fit in a list of this height.
int halfVisibleLines(int listHeight);
