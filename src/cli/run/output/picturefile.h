#pragma once

#include "common/filewritefault.h"

#include <QImage>
#include <QString>

class ProtectedFiles;

// Writes the picture as PNG, whole or not at all (an old picture of that name stays until
// the new one is complete), and never over one of the inputs. Returns the message naming
// the file and the reason, empty on success.
QString writePictureFile(const QImage &picture, const QString &path, const ProtectedFiles &inputs,
                         FileWriteFault fault = FileWriteFault::None);

// The part of a picture's name that names its file, `stem`, as it may stand between the rest of
// the path, `head` (from the prefix), and `tail` (the pass and ".png"): cut, when the name would
// pass the file system's limit of 255 bytes, and marked with a short hash of the whole stem, so
// that pictures of two long names stay apart. The limit leaves room for the temporary name
// beside the picture, 7 bytes longer, with which an old picture is replaced.
QString fittedPictureStem(const QString &head, const QString &stem, const QString &tail);

// The message for an output file that would replace one of the inputs.
QString replacesInputMessage(const QString &path, const QString &input);
