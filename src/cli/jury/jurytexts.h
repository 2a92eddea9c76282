#pragma once

#include "cli/jury/juryfileresult.h"
#include "world/executorstate.h"

#include <QList>
#include <QString>

// The words of the jury's reports. The readable ones (table, protocol) are Russian; the
// machine ones (CSV, JSON) use the checker's English names.

QString selectorsText(const QList<int> &arrangement);   // "1 2 1", "" without variable walls
QString arrangementText(const QList<int> &arrangement); // "1 2 1", "—" without variable walls
QString passPlaceText(const JuryPass &pass);            // "поле 12, расположение 1 2"
QString outcomeText(const JuryPass &pass); // "дошёл до конца", "авария в (3,4)", ...
QString executorText(const ExecutorState &executor); // "(3,4) 90°"
QString slowTimeText(qint64 milliseconds);           // "12,3 с"
// Why a pass is wrong, in one line; empty for a correct pass.
QString failureText(const JuryPass &pass, bool hasPointB);
QString verdictText(const JuryFileResult &file); // "ВЕРНО", "НЕВЕРНО", "НЕ ПРОЧИТАН"
QString verdictName(const JuryFileResult &file); // "correct", "wrong", "unreadable"
QString juryLimitsText();
