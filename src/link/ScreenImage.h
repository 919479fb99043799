#pragma once
// A calculator's screen dump as an image.

#include <QByteArray>
#include <QImage>

// bitmap: rows top first, (width + 7) / 8 bytes a row, leftmost pixel in the high
// bit, 1 = black. The image is width x height, set pixels exactly black (RGB 0, 0, 0)
// and the others white. Precondition: bitmap holds all the rows.
QImage screenImage(const QByteArray& bitmap, int width, int height);
