#pragma once

#include "common/atomicwrite.h"
#include "common/encodedtext.h"
#include "common/filebytes.h"
#include "common/filewritefault.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Algorithm files: one algorithm line per text line, each followed by CR LF, in
// Windows-1251 (UTF-8 with a byte-order mark when some character has no
// Windows-1251 code). Reading accepts CR LF, lone CR and lone LF.

// A pupil's algorithm is a few kilobytes; anything this large was chosen by mistake.
inline constexpr qint64 maxAlgorithmFileSize = maxReadFileSize;

struct AlgorithmFileResult
{
    QStringList lines;
    // The bytes the lines were read from, exactly as read.
    QByteArray bytes;
    // Empty on success; otherwise the message for the pupil.
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

// The messages of failed file operations, naming the file and, where known, the reason.
QString cannotCreateFileMessage(const QString &fileName, const QString &reason = {});
QString cannotOpenFileMessage(const QString &fileName, const QString &reason = {});
QString cannotWriteFileMessage(const QString &fileName, const QString &reason = {});
// The message of a failed whole-file write: only a file that was there before is said to be
// left as it was.
QString writeFailedMessage(const QString &fileName, const FileWriteResult &written);
QString fileTooLargeMessage(const QString &fileName);
// Said after a save whose text holds characters that Windows-1251 has no code for.
QString writtenAsUtf8Message(const QString &fileName);

// The lines held by a file's bytes: the text ends at a NUL byte, and a break at the
// very end adds no line.
QStringList algorithmLinesFromBytes(const QByteArray &bytes);
// The file of these lines, each followed by CR LF, in the encoding chosen for the text.
EncodedText encodeAlgorithmFile(const QStringList &lines);

// Only a regular file is read (never a pipe or a device), and at most maxAlgorithmFileSize.
AlgorithmFileResult readAlgorithmFile(const QString &fileName);
// Replaces the file as a whole or not at all. Returns the error message, empty on success;
// `encoding`, where given, gets the encoding chosen for the file.
QString writeAlgorithmFile(const QString &fileName, const QStringList &lines,
                           FileWriteFault fault = FileWriteFault::None,
                           EncodedText::Encoding *encoding = nullptr);

// Why a file's text is not an algorithm, empty when it is one: a text without a "НАЧ" line,
// or without a "КОН" after it (an empty file, a picture, a text in an encoding the reading
// rule does not guess, a header alone, a text cut off before its end).
QString notAlgorithmReason(const QStringList &lines, const QByteArray &bytes);

// The names of all procedure descriptions, top to bottom.
QStringList rebuildProcedureList(const QStringList &lines);
