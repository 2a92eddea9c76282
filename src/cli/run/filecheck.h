#pragma once

#include "cli/run/checkeroptions.h"
#include "cli/run/checkertask.h"
#include "cli/run/fileresult.h"
#include "cli/run/output/protectedfiles.h"

#include <QStringList>

class RunEventLog;

// Runs algorithm files on a loaded task, one whole run each, on a virtual clock; with a
// picture prefix, writes the field picture after every pass.
class FileCheck
{
public:
    // No picture is written over one of the inputs.
    FileCheck(const CheckerTask &task, const CheckerOptions &options, const ProtectedFiles &inputs = {});

    // `file` names the run (in the log, the result and the pictures' names). The event
    // log, when given, receives "run <file>" and then every event of the run.
    FileResult run(const QString &file, const QStringList &lines, RunEventLog *events = nullptr);

    // The name of the picture of pass `number` (from 1) of a file.
    static QString picturePath(const QString &prefix, const QString &file, int number);

    // Pictures that could not be written, one message each, since the last run().
    const QStringList &pictureErrors() const { return m_pictureErrors; }

private:
    const CheckerTask &m_task;
    const CheckerOptions &m_options;
    ProtectedFiles m_inputs;
    QStringList m_pictureErrors;
};
