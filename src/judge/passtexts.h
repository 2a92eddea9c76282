#pragma once

#include "judge/testpass.h"

#include <QList>
#include <QString>

// The words that name a pass and how it ended, in the reports and in the reference's checks.
QString selectorsText(const QList<int> &arrangement);   // "1 2 1", "" without variable walls
QString arrangementText(const QList<int> &arrangement); // "1 2 1", "—" without variable walls
QString passPlaceText(const TestPass &pass);            // "поле 12, расположение 1 2"
QString outcomeText(const TestPass &pass); // "дошёл до конца", "авария в (3,4)", ...
