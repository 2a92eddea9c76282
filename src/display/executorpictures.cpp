#include "display/executorpictures.h"

#include "display/fieldcolours.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <numbers>

namespace {

constexpr int size = ExecutorPictures::pictureSize;

// The right-pointing pointer, pixel by pixel: a shaft over rows 5 … 9 from the left edge to
// column 9 and a head over rows 1 … 13 from column 9 to its tip at (15, 7).
bool insideRightPointer(int x, int y)
{
    if (x < 0 || y < 0 || x >= size || y >= size)
        return false;
    const bool shaft = x <= 9 && y >= 5 && y <= 9;
    const bool head = x >= 9 && std::abs(y - 7) <= 15 - x;
    return shaft || head;
}

// The same shape as an area, for sampling it turned by 45°: pixel (x, y) covers [x, x+1) × [y, y+1).
bool insideRightPointerArea(double x, double y)
{
    const bool shaft = x >= 0 && x < 10 && y >= 5 && y < 10;
    const bool head = x >= 9 && x <= 16 && std::abs(y - 7.5) <= 16 - x;
    return shaft || head;
}

struct Mask
{
    std::array<double, size * size> coverage{};

    double at(int x, int y) const
    {
        return x < 0 || y < 0 || x >= size || y >= size ? 0.0 : coverage[y * size + x];
    }
    bool inside(int x, int y) const { return at(x, y) >= 0.5; }
};

Mask exactMask(const std::function<bool(int, int)> &inside)
{
    Mask mask;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            mask.coverage[y * size + x] = inside(x, y) ? 1.0 : 0.0;
    }
    return mask;
}

// The pointer turned counter-clockwise (on screen, rows growing downwards) by the angle,
// about the middle of the picture, sampled 4 × 4 times per pixel.
Mask turnedMask(double degrees)
{
    constexpr int samples = 4;
    constexpr double centre = size / 2.0;
    const double angle = degrees * std::numbers::pi / 180.0;
    const double cosA = std::cos(angle);
    const double sinA = std::sin(angle);
    Mask mask;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double vx = x + (sx + 0.5) / samples - centre;
                    const double vy = y + (sy + 0.5) / samples - centre;
                    if (insideRightPointerArea(centre + vx * cosA - vy * sinA,
                                               centre + vx * sinA + vy * cosA))
                        ++hits;
                }
            }
            mask.coverage[y * size + x] = double(hits) / (samples * samples);
        }
    }
    return mask;
}

// Inside pixels next to an outside one (left, right, above, below) form the one-pixel outline.
// Where a turned shape only half covers an outline pixel, the outline softens to grey.
QImage paint(const Mask &mask, QRgb fill, QRgb outline)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!mask.inside(x, y))
                continue;
            const bool touchesOutside = !mask.inside(x - 1, y) || !mask.inside(x + 1, y)
                || !mask.inside(x, y - 1) || !mask.inside(x, y + 1);
            if (!touchesOutside)
                image.setPixel(x, y, fill);
            else
                image.setPixel(x, y, mask.at(x, y) < 0.75 ? FieldColours::pointerFringe : outline);
        }
    }
    return image;
}

Mask directionMask(int direction)
{
    // Each straight pointer keeps its axis on the line through the cell centre shifted by one
    // pixel right and down, where the trace runs: right and left on row 7 and 8, up and down on column 7.
    switch (direction) {
    case 0: return exactMask([](int x, int y) { return insideRightPointer(x, y); });
    case 2: return exactMask([](int x, int y) { return insideRightPointer(size - 1 - y, x); });
    case 4: return exactMask([](int x, int y) { return insideRightPointer(size - 1 - x, size - 1 - y); });
    case 6: return exactMask([](int x, int y) { return insideRightPointer(y, x); });
    default: return turnedMask(direction * 45.0);
    }
}

} // namespace

ExecutorPictures::ExecutorPictures()
{
    for (int direction = 0; direction < pictureCount / 2; ++direction) {
        const Mask mask = directionMask(direction);
        m_pictures[2 * direction] = paint(mask, FieldColours::pointerFill, FieldColours::pointerOutline);
        m_pictures[2 * direction + 1] = paint(mask, FieldColours::hollowFill, FieldColours::hollowOutline);
    }
}

const QImage &ExecutorPictures::picture(int index) const
{
    return m_pictures[index >= 0 && index < pictureCount ? index : 0];
}
