#pragma once

#include <QImage>

#include <array>

// The 16 pictures of the executor, 16 × 16 with a transparent background. Pictures 2k and
// 2k + 1 point in direction k·45° counter-clockwise from the right; the even ones are the
// solid red pointer, the odd ones its hollow crash variant. Built once, drawn on every move.
class ExecutorPictures
{
public:
    static constexpr int pictureCount = 16;
    static constexpr int pictureSize = 16;

    ExecutorPictures();

    // index 0 … 15; anything else gives picture 0.
    const QImage &picture(int index) const;

private:
    std::array<QImage, pictureCount> m_pictures;
};
