#pragma once

#include "judge/chosentest.h"

#include <QString>
#include <QStringList>

// The command line "--task DIR --test N FILE": one test of a task, with the algorithm of
// FILE, opened straight into the work window. Its checks and messages are the checker's.
struct ReplayStart
{
    QString taskFolder;
    QString file; // as given
    ChosenTest chosen;
    QStringList lines;
    // Empty when the window can open; otherwise the report for standard error.
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

// Reads the arguments, the task and the algorithm file.
ReplayStart prepareReplay(const QStringList &arguments);

// The usage line shown with a wrong command line.
QString replayUsageText();
