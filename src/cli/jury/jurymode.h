#pragma once

#include "cli/run/algorithmfiles.h"
#include "cli/run/checkeroptions.h"

#include <QStringList>
#include <QTextStream>

// shagaika-check --jury: judges every pupil's file on every size and arrangement the task
// offers, writes the chosen reports (and the pictures of failing passes) and returns the
// exit status: 0 every file correct, 1 some file wrong (a file that cannot be read is that
// pupil's verdict), 2 the task or the reference could not be used, or a report or picture
// could not be written. Pictures and the PDF protocol need a GUI application to exist.
// `unreadFolders`, those of the folder arguments, are listed in every report as not judged.
int runJuryMode(const CheckerOptions &options, QTextStream &out, QTextStream &err,
                const QList<UnreadFolder> &unreadFolders = {});

// Whether the jury's options need pictures (and therefore a GUI application).
bool juryNeedsPictures(const CheckerOptions &options);

// The part of each file's picture names that names the file: its path below the folder
// that all the files share, without the extension, each "/" and each character a file
// system may refuse (\\ : * ? " < > | and control characters) made "_". A name that
// another file already has, the case of letters aside, gets "_2", "_3", … in the files'
// order, so that no picture of a run replaces another.
QStringList diffPictureStems(const QStringList &files);

// The name of the picture of a file's failing pass: PREFIX-<stem>-<size>[-<selectors>].png, the
// stem cut to a name the file system takes (fittedPictureStem).
QString diffPicturePath(const QString &prefix, const QString &stem, int fieldSize,
                        const QList<int> &arrangement);
