#pragma once

#include "world/commands/delaysettings.h"

#include <QString>
#include <QStringList>

// What shagaika-check is asked to do: run files as the desktop program would, judge a
// folder of pupils' files for the jury, or list the problems of a task folder.
enum class CheckerMode { Run, Jury, Validate };

// What the command line of shagaika-check asks for.
struct CheckerOptions
{
    static constexpr qint64 defaultLimit = 1000000;
    static constexpr int defaultUnit = 10;
    // With a smaller unit a cell of the 15 × 15 field (48 units / 15) is narrower than the
    // executor's 16 × 16 picture.
    static constexpr int smallestUnit = 5;
    static constexpr int largestUnit = 80;
    static constexpr int defaultTimeLimitSeconds = 10;

    CheckerMode mode = CheckerMode::Run;
    QString taskFolder = QStringLiteral(".");
    int fieldSize = 12;
    RunSpeed speed = RunSpeed::Fastest;
    qint64 limit = defaultLimit;
    bool events = false;
    bool json = false;
    QString renderPrefix; // empty: no pictures
    int unit = defaultUnit;
    QStringList files;
    QString referenceFile; // --jury, --validate: the reference solution; empty: none
    // --jury: the reports' files (repeatable, each in the format of its extension), all made
    // from the one run; none: the table on standard output only.
    QStringList reportFiles;
    QString renderDiffPrefix;                       // --jury: pictures of failing passes; empty: none
    int timeLimitSeconds = defaultTimeLimitSeconds; // --jury: processor time for all passes of one file
    // --jury, the reports: --only FILE (repeatable) writes those pupils' own protocols;
    // --csv-separator sets the CSV's field separator.
    QStringList onlyFiles;
    QChar csvSeparator = QLatin1Char(';');
    // Choosing what to check: one test (numbered from 1 as the jury's reports number them, 0:
    // every test), and whether a folder argument takes the *.txt files of its sub-folders too.
    int test = 0;
    bool recursive = false;

    bool rendersPictures() const { return !renderPrefix.isEmpty(); }
    bool hasReference() const { return !referenceFile.isEmpty(); }
    bool hasTest() const { return test > 0; }
};

// The outcome of reading the command line: options, a request for the guide or the
// version, or the reason why the line cannot be used.
struct CheckerOptionsResult
{
    CheckerOptions options;
    bool helpRequested = false;
    bool versionRequested = false;
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

// The arguments without the program name. "--name value" and "--name=value" both work;
// "--" ends the options, so a file whose name begins with "-" can still be checked.
CheckerOptionsResult parseCheckerOptions(const QStringList &arguments);

QString speedName(RunSpeed speed);
