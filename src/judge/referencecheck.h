#pragma once

#include "judge/passrunner.h"
#include "judge/testpass.h"
#include "tasks/file/taskdata.h"

#include <QList>
#include <QString>
#include <QStringList>

// The reference solution run on every test the runner makes, each a run of its own (so
// that a crash in one leaves the others to be tried); a pass is correct when it runs to its
// end and, in a task with point Б, stops on Б.
QList<TestPass> checkReference(const PassRunner &runner, const QStringList &lines);

// Why a pass of the reference does not solve the task (it does not run to its end, or in a
// task with Б does not end on Б), or empty when it does.
QString referenceFailure(const TestPass &pass, const TaskData &task);
