#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Algorithm files: one algorithm line per text line, each followed by CR LF, in
// Windows-1251 (UTF-8 with a byte-order mark when some character has no
// Windows-1251 code). Reading accepts CR LF, lone CR and lone LF.

// A pupil's algorithm is a few kilobytes; anything this large was chosen by mistake.
inline constexpr qint64 maxAlgorithmFileSize = 4 * 1024 * 1024;

struct AlgorithmFileResult
{
    QStringList lines;
    // Empty on success; otherwise the message for the pupil.
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

// The messages of failed file operations, naming the file.
QString cannotCreateFileMessage(const QString &fileName);
QString cannotOpenFileMessage(const QString &fileName);
QString cannotWriteFileMessage(const QString &fileName);
QString fileTooLargeMessage(const QString &fileName);

// The lines held by a file's bytes: the text ends at a NUL byte, and a break at the
// very end adds no line.
QStringList algorithmLinesFromBytes(const QByteArray &bytes);
QByteArray algorithmFileBytes(const QStringList &lines);

AlgorithmFileResult readAlgorithmFile(const QString &fileName);
// Replaces the file as a whole or not at all. Returns the error message, empty on success.
QString writeAlgorithmFile(const QString &fileName, const QStringList &lines);

// The names of all procedure descriptions, top to bottom.
QStringList rebuildProcedureList(const QStringList &lines);
