#pragma once

#include "editor/algorithmstatistics.h"
#include "judge/testpass.h"

#include <QList>
#include <QString>
#include <QStringList>

// The jury's judgement of one pupil's file.
struct JuryFileResult
{
    QString file;
    QString sha256;    // of the file's bytes, as judged
    QString readError; // empty when the file was read
    // Why the text read is no algorithm at all (no "НАЧ" line); empty when it is one.
    QString notAlgorithm;
    QList<TestPass> passes;
    AlgorithmCounts counts;  // the statistics panel's counts of the text read
    QStringList identicalTo; // the other files judged with the same bytes (the same SHA-256)
    int identicalGroup = 0;  // the number of those files' group, from 1; 0: no other file is alike
    QStringList otherPaths;  // the other paths of the command line that name this very file
    QStringList text;        // the text read, kept only for a pupil's own protocol

    bool isRead() const { return readError.isEmpty(); }
    bool isAlgorithm() const { return notAlgorithm.isEmpty(); }
    bool isCorrect() const;
    int correctPassCount() const;
    // The first pass that is not correct, or null.
    const TestPass *firstFailure() const;
    // Keeps what the reports show and drops the rest, the traces of its passes, once its
    // pictures are drawn. A file's result then no longer grows with the time its passes ran.
    void dropTraces();
};

// For each file, the other files with the same SHA-256, in the files' order; `sha256s` holds
// one hash per file, empty for a file that could not be read (never alike with another).
QList<QStringList> identicalFiles(const QStringList &files, const QStringList &sha256s);
// For each file, the number of its group of files with the same SHA-256, numbered from 1 in the
// order of each group's first file; 0 for a file like no other (or one that could not be read).
QList<int> identicalGroups(const QStringList &sha256s);
