#pragma once
// The work picture, through which pictures pass to and from the link component: one pixel a cell.

#include "picture/PictureGrid.h"

#include <QImage>

// Clears the work picture to white and draws the picture at its top-left
// corner: a smaller picture leaves the rest white, a larger one is cut.
void placeInWorkPicture(QImage& work, const QImage& picture);

// The cells of the work picture's top-left 240 x 103 pixels: a pixel of
// exactly RGB(0, 0, 0) is a set cell, any other colour a clear one.
PictureGrid cellsOfWorkPicture(const QImage& work);

// Clears the work picture to white and blackens the pixel of every cell whose value is exactly 1.
void paintGridIntoWorkPicture(QImage& work, const PictureGrid& grid);
