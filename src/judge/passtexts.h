#pragma once

#include "judge/testpass.h"

#include <QList>
#include <QString>

// The words that name a pass and how it ended, in the reports and in the reference's checks.
QString selectorsText(const QList<int> &arrangement);   // "1 2 1", "" without variable walls
QString arrangementText(const QList<int> &arrangement); // "1 2 1", "—" without variable walls
QString passPlaceText(const TestPass &pass);            // "поле 12, расположение 1 2"
QString outcomeText(const TestPass &pass); // "дошёл до конца", "авария в (3,4)", ...
// How a judged pass ended, in the words of the run's list: "дошёл до Б", "остановился в (3,4)",
// "столкновение в строке 7", "остановлен кнопкой", "рисунок совпадает" … A drawing is
// compared only with a reference's; without one its pass "дошёл до конца".
QString passEndingText(const TestPass &pass, bool hasPointB, bool hasReference);
