#pragma once

#include <QProxyStyle>

// The application's style: the one Qt would choose, except that the toolbar extension
// icons are read from Qt's own pictures as PNG, by name. The menu bar makes one as it is
// built; asked the usual way, Qt guesses the pictures' format by asking every image-format
// plugin, and so loads all of them (GIF, ICO, JPEG with its library) for nothing.
class BuiltInIconStyle : public QProxyStyle
{
public:
    // baseStyle is a style name as QStyleFactory knows it.
    explicit BuiltInIconStyle(const QString &baseStyle);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
