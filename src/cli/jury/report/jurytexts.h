#pragma once

#include "cli/jury/juryfileresult.h"
#include "cli/run/algorithmfiles.h"
#include "editor/algorithmstatistics.h"
#include "judge/passtexts.h"
#include "judge/tasktest.h"
#include "world/model/executorstate.h"

#include <QList>
#include <QString>

// The words of the jury's reports. The readable ones (table, protocol) are Russian; the
// machine ones (CSV, JSON) use the checker's English names.

QString executorText(const ExecutorState &executor); // "(3,4) 90°"
QString slowTimeText(qint64 milliseconds);           // "12,3 с"
// Why a pass is wrong, in one line; empty for a correct pass.
QString failureText(const TestPass &pass, bool hasPointB);
// The verdict of a test in the manner of olympiad judges: OK, WA (a wrong result), CR (a
// crash into a wall), TL (the limit of highlights or of time), RE (the text cannot go on).
QString passCode(const TestPass &pass);
QString passCodeWord(const TestPass &pass); // "верно", "столкновение со стеной", ...
// "тест 7 — поле 13 × 13, стенки 1 2 1"
QString testTitle(const TaskTest &test);
QString testTitle(const TestPass &pass);
// "Проверяется только тест 7 — поле 13 × 13, стенки 1 2 1": the heading of a run with --test.
QString chosenTestText(const TaskTest &test);
// OK when every test is; otherwise the first failing test's code and number ("WA 7"); CE for
// a text that is no algorithm, FE for a file that cannot be read.
QString fileCode(const JuryFileResult &file);
// "OK — верно", "WA 7 — неверный результат", "CE — не алгоритм", "FE — не прочитан"
QString verdictText(const JuryFileResult &file);
// "correct", "wrong", "not_algorithm", "unreadable"
QString verdictName(const JuryFileResult &file);
// "Итого: файлов 41; OK 16, WA 10, CR 5, TL 5, RE 1, CE 3, FE 1": every verdict, none left out.
QString verdictTotalsText(const QList<JuryFileResult> &files);
QString juryLimitsText(qint64 highlightLimit, int timeLimitSeconds);
// "shagaika-check 1.4.0": the program that made a report, named in every report.
QString juryProgramText();
// "совпадает с файлом a.txt", "совпадает с файлами a.txt, b.txt"; more than six files: the first
// five and "и ещё N". Empty for no file. The names are shown as printableName() shows them.
QString identicalText(const QStringList &files);
// "Не проверены файлы папки works/7a: нет прав доступа": the folder could not be listed.
QString unreadFolderText(const UnreadFolder &folder);
// "также назван: w/../w/a.txt" for a file that other paths of the command line name too (it is
// judged once); empty for none. The names are shown as printableName() shows them.
QString otherPathsText(const QStringList &paths);
// "команд 12, процедур 1, вызовов процедур 2, ветвлений 1, циклов 3, строк 20"
QString statisticsText(const AlgorithmCounts &counts);
// The desktop program's command that opens the window on a failing pass's test with the
// file's algorithm, the paths as given ("shagaika --task maze --test 5 a.txt"); empty for a
// correct pass.
QString replayCommand(const QString &taskFolder, const QString &file, const TestPass &pass);
// The line, from 1, where a pass crashed, hit a limit or met an error; 0 for a pass that ran
// to its end (its verdict does not belong to one line).
int stopLineNumber(const TestPass &pass);
