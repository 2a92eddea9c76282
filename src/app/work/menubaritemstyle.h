#pragma once

#include <QProxyStyle>

// The look of the work window's menu bar: each item's picture at its left edge (the
// disabled picture for a disabled item), the caption in 9 points beside it, white on the
// highlight colour while selected and grey while disabled.
class MenuBarItemStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int pictureSize = 16;
    static constexpr int textOffset = 20;
    static constexpr int fontPoints = 9;

    MenuBarItemStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    // The colours an item is drawn in, by its state.
    struct ItemColours
    {
        QColor background;
        QColor text;
    };
    static ItemColours itemColours(const QPalette &palette, bool enabled, bool selected);
    static QFont itemFont(const QFont &base);
};
