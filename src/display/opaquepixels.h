#pragma once

#include <QImage>
#include <QPoint>

// Whether every pixel of the image is wholly opaque or wholly clear.
bool isOpaqueOrClear(const QImage &image);

// Copies a rectangle of one image into another of the same format, both lying within their images.
void copyPixels(const QImage &source, QPoint from, QImage &target, QPoint to, QSize size);
