#include "app/shell/builtiniconstyle.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>

#include <initializer_list>

namespace {

// The pictures of one icon, each given by its width or height in its file name; a null icon
// when one is missing, so that the base style answers instead.
QIcon pictures(const QString &stem, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png").arg(stem).arg(size),
            QByteArrayLiteral("png"));
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull())
            return {};
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

BuiltInIconStyle::BuiltInIconStyle(const QString &baseStyle)
    : QProxyStyle(baseStyle)
{
}

QIcon BuiltInIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                     const QWidget *widget) const
{
    QIcon icon;
    const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        icon = pictures(direction == Qt::RightToLeft ? QStringLiteral("toolbar-ext-h-rtl")
                                                     : QStringLiteral("toolbar-ext-h"),
                        {8, 16, 32});
    else if (standardIcon == SP_ToolBarVerticalExtensionButton)
        icon = pictures(QStringLiteral("toolbar-ext-v"), {5, 10, 20});
    return icon.isNull() ? QProxyStyle::standardIcon(standardIcon, option, widget) : icon;
}
