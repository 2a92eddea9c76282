#pragma once

#include <QString>

class QFileDevice;

// Why a file operation failed, from the system's error number, in the words shown to the
// user ("на диске нет свободного места"); a number without a text of its own is named.
QString systemErrorText(int errorNumber);
// The same from the system's own description of the error, as a failed QFile reports it
// (errno may be gone by then); a description that names no known error is returned as is.
QString systemErrorText(const QString &description);
// Why writing a file failed: the error number the failed step left, otherwise the file's own
// description, otherwise that the write broke off.
QString writeFailureText(int errorNumber, const QFileDevice &file);
