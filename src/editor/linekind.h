#pragma once

#include <QString>

// The keywords of the algorithm language and the kind of a line, one rule for the editor
// and the interpreter alike. A line is its indentation (leading characters of codes 0 to
// 32) followed by its command text; its kind depends on the command text only, by exact
// comparison or by the keyword it begins with.

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

// The words a line of its kind begins with, whatever follows them.
inline const QString titleWord = QStringLiteral("АЛГОРИТМ");
inline const QString givenWord = QStringLiteral("Дано");
inline const QString goalWord = QStringLiteral("Надо");
inline const QString branchWord = QStringLiteral("ЕСЛИ");
inline const QString loopWord = QStringLiteral("ПОКА");
} // namespace AlgorithmKeyword

enum class LineKind : unsigned char {
    Blank,          // indentation only
    Comment,        // begins //
    Title,          // begins АЛГОРИТМ
    Given,          // begins Дано
    Goal,           // begins Надо
    Begin,          // НАЧ
    End,            // КОН
    Step,           // ШАГ
    Jump,           // ПРЫЖОК
    Turn,           // ПОВОРОТ
    BranchIfWall,   // ЕСЛИ впереди стена
    BranchIfNoWall, // ЕСЛИ впереди НЕ стена
    BranchOther,    // any other text beginning ЕСЛИ: a condition that never holds
    Then,           // ТО
    Else,           // ИНАЧЕ
    BranchEnd,      // ВСЁ
    LoopIfWall,     // ПОКА впереди стена
    LoopIfNoWall,   // ПОКА впереди НЕ стена
    LoopOther,      // any other text beginning ПОКА: a condition that never holds
    LoopBegin,      // НЦ
    LoopEnd,        // КЦ
    ProcedureHead,  // begins ПРОЦЕДУРА
    ProcedureEnd,   // КОНЕЦ ПРОЦЕДУРЫ
    Call,           // begins ДЕЛАЙ
    Other           // anything else
};

int indentationLength(const QString &line);
QString commandText(const QString &line);
LineKind lineKind(const QString &line);

// ШАГ, ПРЫЖОК or ПОВОРОТ.
bool isCommand(LineKind kind);
// Any line beginning ЕСЛИ, whatever its condition.
bool isBranchHead(LineKind kind);
// Any line beginning ПОКА, whatever its condition.
bool isLoopHead(LineKind kind);
// Counted by the statistics: neither blank nor a comment.
bool isCounted(LineKind kind);

bool isBranchHead(const QString &line);
bool isLoopHead(const QString &line);
bool isProcedureHead(const QString &line);
bool isCallLine(const QString &line);

// The procedure name of a description's head and of a call: the command text after the
// keyword and one more character, whatever it is (from the 11th character of a head, the
// 7th of a call). Empty when the text is shorter.
QString procedureHeadName(const QString &line);
QString callName(const QString &line);
