#include "display/opaqueimage.h"

#include <cstring>

OpaqueImage::OpaqueImage(const QImage &image)
    : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))
{
    for (int y = 0; y < m_image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        int x = 0;
        while (x < m_image.width()) {
            if (qAlpha(line[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < m_image.width() && qAlpha(line[x]) != 0)
                ++x;
            m_runs.push_back({y, start, x - start});
        }
    }
}

void OpaqueImage::draw(QImage &target, QPoint topLeft) const
{
    const QRect area(topLeft, m_image.size());
    if (m_runs.empty() || !area.intersects(target.rect()))
        return;
    uchar *targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    const uchar *sourceBits = m_image.constBits();
    const qsizetype sourceStride = m_image.bytesPerLine();
    if (target.rect().contains(area)) {
        // The usual case, every run whole: runs are a few pixels long, copied in place.
        uchar *origin = targetBits + topLeft.y() * targetStride + topLeft.x() * 4;
        for (const Run &run : m_runs) {
            const auto *from = reinterpret_cast<const QRgb *>(sourceBits + run.y * sourceStride) + run.x;
            auto *to = reinterpret_cast<QRgb *>(origin + run.y * targetStride) + run.x;
            for (int i = 0; i < run.length; ++i)
                to[i] = from[i];
        }
        return;
    }
    for (const Run &run : m_runs) {
        const int y = topLeft.y() + run.y;
        if (y < 0 || y >= target.height())
            continue;
        const int left = qMax(topLeft.x() + run.x, 0);
        const int right = qMin(topLeft.x() + run.x + run.length, target.width());
        if (left >= right)
            continue;
        const uchar *from = sourceBits + run.y * sourceStride + (left - topLeft.x()) * 4;
        std::memcpy(targetBits + y * targetStride + left * 4, from, std::size_t(right - left) * 4);
    }
}
