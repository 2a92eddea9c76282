#pragma once

#include "judge/passresult.h"
#include "world/commands/delaysettings.h"

#include <QString>

// The run of one algorithm file.
struct FileResult
{
    QString file;
    int fieldSize = 12;
    RunSpeed speed = RunSpeed::Fastest;
    RunEnd end = RunEnd::Complete;
    QList<PassResult> passes;
};
