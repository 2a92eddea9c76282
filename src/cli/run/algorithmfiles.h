#pragma once

#include <QString>
#include <QStringList>

// A folder whose files could not be listed, and why.
struct UnreadFolder
{
    QString path;
    QString reason;
};

// The algorithm files the command line names, a folder standing for its files.
struct AlgorithmFileList
{
    QStringList files;
    // Folders that could not be read whole: some files there may be left unchecked.
    QStringList errors;
    QList<UnreadFolder> unreadFolders; // the same folders, for the reports
    // Folders passed over without loss: a link back into a folder already looked through.
    QStringList notes;
};

// A file argument stays as it is and where it is. A folder stands for every file in it whose
// name ends in ".txt" (in any case; hidden files aside), with `recursive` those of its
// sub-folders too, sorted by the path below the folder, compared byte by byte as the system
// names it, so that the order is the same on every run. A sub-folder that a link leads back
// to (a loop, or a folder already looked through) is not entered twice.
AlgorithmFileList expandAlgorithmFiles(const QStringList &arguments, bool recursive);

// The same for every way to a file or folder (links, ".."), read as the system names it (see
// systemfilename.h); empty when it is not there.
QString canonicalPath(const QString &path);

// Whether a folder argument takes a file of this name for an algorithm file.
bool isAlgorithmFileName(const QString &name);
