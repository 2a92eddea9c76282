#pragma once

#include "cli/jury/jurypass.h"

#include <QList>
#include <QString>

// The jury's judgement of one pupil's file.
struct JuryFileResult
{
    QString file;
    QString sha256;    // of the file's bytes, as judged
    QString readError; // empty when the file was read
    QList<JuryPass> passes;

    bool isRead() const { return readError.isEmpty(); }
    bool isCorrect() const;
    int correctPassCount() const;
    // The first pass that is not correct, or null.
    const JuryPass *firstFailure() const;
};
