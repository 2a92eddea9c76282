#pragma once

#include "judge/testpass.h"
#include "tasks/file/taskdata.h"

#include <QList>

// The pass among passes on the same size and arrangement as pass, or null.
const TestPass *matchingPass(const QList<TestPass> &passes, const TestPass &pass);

// Whether the pass left the executor on point Б of its size.
bool endsOnPointB(const TestPass &pass, const TaskData &task);

// The rules of the verdict. A pass is correct only when it runs to its end (no crash, no
// limit, no error) and then:
// - in a task with point Б, the executor stands on Б of that size;
// - in a drawing task, the edges drawn by ШАГ are exactly those of the reference's pass on
//   the same size and arrangement, direction and repetition aside.
// For drawing tasks the missing and extra edges are filled in whatever the ending.
void judgePasses(QList<TestPass> &passes, const TaskData &task, const QList<TestPass> &reference);
