#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

// A picture whose pixels are each wholly opaque or wholly clear (premultiplied ARGB), with its
// runs of opaque pixels found once. Drawn onto an RGB32 picture by copying the runs, it gives
// what the painter's source-over drawing gives, without a painter: a run draws the executor
// and the trace this way on every move.
class OpaqueImage
{
public:
    OpaqueImage() = default;
    explicit OpaqueImage(const QImage &image);

    const QImage &image() const { return m_image; }

    // Cut at the target's edges.
    void draw(QImage &target, QPoint topLeft) const;

private:
    struct Run
    {
        int y;
        int x;
        int length;
    };

    QImage m_image;
    std::vector<Run> m_runs;
};
