#pragma once

#include "help/helpexample.h"

#include <QImage>
#include <QList>
#include <optional>

// The examples of the language pages, and their runs by the program's own interpreter and
// field drawing.

const QList<HelpExample> &helpExamples();
std::optional<HelpExample> helpExample(const QString &name);

struct HelpExampleRun
{
    QImage before;
    QImage after;
    ExecutorState executor;
    RunEnd end = RunEnd::Complete;
    int trace = 0;
};

// Runs the example at the fastest speed on a virtual clock, drawing it as the field shows it.
HelpExampleRun runHelpExample(const HelpExample &example);

// The picture a page names as "example:NAME/before" or "example:NAME/after" (the part after
// the colon); a null image for any other name.
QImage helpExamplePicture(const QString &path);

// The block a page shows for the example: its lines, the two pictures and what the run does.
QString exampleHtml(const QString &name);
