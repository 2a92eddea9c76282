#pragma once

#include <QStringList>

// Can a run pause before this line? Only lines a run may highlight as it runs them can
// hold a breakpoint: the lines before the first "КОН" of the main algorithm and those of a
// procedure description anywhere. "КОН" itself only marks where the run ended, and lines
// after it outside a procedure are never run.
bool isBreakableRow(const QStringList &lines, int row);
