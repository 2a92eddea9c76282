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

// The message for an output file that would replace one of the inputs.
QString replacesInputMessage(const QString &path, const QString &input);
