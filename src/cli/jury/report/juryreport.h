#pragma once

#include "cli/jury/juryfileresult.h"
#include "cli/run/algorithmfiles.h"
#include "judge/tasktest.h"
#include "tasks/file/taskdata.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Everything the jury's reports show: the task and the reference with the hashes of the
// very files that were judged, the fixed limits, and every pupil's file.
struct JuryReport
{
    QString taskFolder; // as given on the command line, for the commands that replay a test
    QString taskFile;
    QString taskSha256;
    TaskData task;
    QString referenceFile; // empty: none
    QString referenceSha256;
    QList<TestPass> referencePasses;
    QList<JuryFileResult> files;
    int timeLimitSeconds = 0; // processor time for all passes of one file
    QDateTime madeAt;         // when the judging began; every report names it
    // The protocol of each pupil on his own (the algorithm's text, every test, a picture of
    // every failing one) instead of the protocol of the whole round.
    bool isPupilProtocol = false;
    QChar csvSeparator = QLatin1Char(';');
    qint64 highlightLimit = 0;          // highlights per pass
    std::optional<TaskTest> chosenTest; // --test: the only test run
    QList<UnreadFolder> unreadFolders;  // folders whose files were not judged: none could be listed

    bool hasReference() const { return !referenceFile.isEmpty(); }
};
