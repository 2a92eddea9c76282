#include "display/barshape.h"

namespace {

int halfBar(const FieldGeometry &g)
{
    return g.layoutUnit / 2;
}

} // namespace

BarShape verticalWallBar(const FieldGeometry &g, int column, int row)
{
    const int h = halfBar(g);
    const int c = g.cellSize;
    const int e = qint16((column + 1) * c + g.layoutUnit);
    const int f = qint16(row * c + g.layoutUnit);
    return {{{{e, f}, {e - h, f + h}, {e - h, f + c - h}, {e, f + c}, {e + h, f + c - h}, {e + h, f + h}}},
            {{{e, f}, {e - h, f + h}, {e - h, f + c - h}, {e, f + c}}},
            {{{e, f + c}, {e + h, f + c - h}, {e + h, f + h}, {e, f}}}};
}

BarShape horizontalWallBar(const FieldGeometry &g, int column, int row)
{
    const int h = halfBar(g);
    const int c = g.cellSize;
    const int e = qint16(column * c + g.layoutUnit);
    const int f = qint16((row + 1) * c + g.layoutUnit);
    return {{{{e, f}, {e + h, f + h}, {e + c - h, f + h}, {e + c, f}, {e + c - h, f - h}, {e + h, f - h}}},
            {{{e + c, f}, {e + c - h, f - h}, {e + h, f - h}, {e, f}}},
            {{{e, f}, {e + h, f + h}, {e + c - h, f + h}, {e + c, f}}}};
}

std::array<BarShape, 4> frameBars(const FieldGeometry &g)
{
    const int h = halfBar(g);
    // The right and bottom bars start one pixel inside the last grid line.
    const int d = g.pictureWidth() - g.layoutUnit - 1;
    const BarShape left{{{{h, h}, {0, 2 * h}, {0, d}, {h, d + h}, {2 * h, d}, {2 * h, 2 * h}}},
                        {{{h, h}, {0, 2 * h}, {0, d}, {h, d + h}}},
                        {{{h, d + h}, {2 * h, d}, {2 * h, 2 * h}, {h, h}}}};
    const BarShape right{
        {{{d + h, h}, {d, 2 * h}, {d, d}, {d + h, d + h}, {d + 2 * h, d}, {d + 2 * h, 2 * h}}},
        {{{d + h, h}, {d, 2 * h}, {d, d}, {d + h, d + h}}},
        {{{d + h, d + h}, {d + 2 * h, d}, {d + 2 * h, 2 * h}, {d + h, h}}}};
    const BarShape top{{{{h, h}, {2 * h, 2 * h}, {d, 2 * h}, {d + h, h}, {d, 0}, {2 * h, 0}}},
                       {{{d + h, h}, {d, 0}, {2 * h, 0}, {h, h}}},
                       {{{h, h}, {2 * h, 2 * h}, {d, 2 * h}, {d + h, h}}}};
    const BarShape bottom{
        {{{h, d + h}, {2 * h, d + 2 * h}, {d, d + 2 * h}, {d + h, d + h}, {d, d}, {2 * h, d}}},
        {{{d + h, d + h}, {d, d}, {2 * h, d}, {h, d + h}}},
        {{{h, d + h}, {2 * h, d + 2 * h}, {d, d + 2 * h}, {d + h, d + h}}}};
    return {left, right, top, bottom};
}
