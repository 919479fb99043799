#pragma once
// The picture as an ordinary one-bit image: black cells black, the others white, each cell a
// square of scale x scale pixels; no frame, no grey, no dots.

#include "picture/PictureGrid.h"

#include <QByteArray>
#include <QImage>

// Format_Mono, white at index 0 and black at 1.
QImage pictureBitmap(const PictureGrid& grid, int scale = 1);

// pictureBitmap as the bytes of a PNG file of bit depth 1.
QByteArray picturePng(const PictureGrid& grid, int scale = 1);
