#include "display/opaquepixels.h"

#include <cstring>

bool isOpaqueOrClear(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha != 0 && alpha != 255)
                return false;
        }
    }
    return true;
}

void copyPixels(const QImage &source, QPoint from, QImage &target, QPoint to, QSize size)
{
    const int bytesPerPixel = source.depth() / 8;
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(bytesPerPixel);
    const qsizetype sourceStride = source.bytesPerLine();
    const qsizetype targetStride = target.bytesPerLine();
    const uchar *sourceLine = source.constBits() + from.y() * sourceStride + from.x() * bytesPerPixel;
    uchar *targetLine = target.bits() + to.y() * targetStride + to.x() * bytesPerPixel;
    for (int y = 0; y < size.height(); ++y, sourceLine += sourceStride, targetLine += targetStride)
        std::memcpy(targetLine, sourceLine, bytes);
}
