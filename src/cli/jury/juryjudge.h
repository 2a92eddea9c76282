#pragma once

#include "cli/jury/jurypass.h"
#include "tasks/file/taskdata.h"

#include <QList>
#include <QString>

// The pass among passes on the same size and arrangement as pass, or null.
const JuryPass *matchingPass(const QList<JuryPass> &passes, const JuryPass &pass);

// The rules of the verdict. A pass is correct only when it runs to its end (no crash, no
// limit, no error) and then:
// - in a task with point Б, the executor stands on Б of that size;
// - in a drawing task, the edges drawn by ШАГ are exactly those of the reference's pass on
//   the same size and arrangement, direction and repetition aside.
// For drawing tasks the missing and extra edges are filled in whatever the ending.
void judgePasses(QList<JuryPass> &passes, const TaskData &task, const QList<JuryPass> &reference);

// Why the reference cannot serve as the jury's measure (a pass that does not run to its
// end, or in a task with Б does not end on Б), or empty when it can.
QString referenceFailure(const QList<JuryPass> &reference, const TaskData &task);
