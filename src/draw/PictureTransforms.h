#pragma once
// Whole-picture transforms: each returns the transformed picture and leaves the original alone.

#include "picture/PictureGrid.h"

// Black and white swap.
PictureGrid invertedPicture(const PictureGrid& grid);
// Mirrored left to right, and top to bottom.
PictureGrid flippedHorizontally(const PictureGrid& grid);
PictureGrid flippedVertically(const PictureGrid& grid);
// Every cell moved by (dx, dy): cells moved off the grid are lost, the cells left behind are white.
PictureGrid shiftedPicture(const PictureGrid& grid, int dx, int dy);
