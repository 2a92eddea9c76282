#pragma once

#include <QImage>
#include <QString>

// The pattern picture of a drawing task, or why it cannot be shown.
struct PatternPicture
{
    QImage image;
    // Empty on success; otherwise why the picture could not be read.
    QString reason;

    bool isOk() const { return reason.isEmpty(); }
};

// Reads the picture as a regular file of at most maxReadFileSize bytes (never a pipe or
// a device, which would block) and decodes it.
PatternPicture readPatternPicture(const QString &path);
