#pragma once

#include <QFont>

// The bold serif ("Times New Roman", or its nearest substitute) of the title and
// registration windows, at a height in pixels.
inline QFont boldSerifFont(int pixelHeight)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}
