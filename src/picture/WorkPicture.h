#pragma once
// The work picture, through which pictures pass to and from the link component: one pixel a cell.

#include "picture/PictureArea.h"
#include "picture/PictureGrid.h"

#include <QImage>

#include <functional>

// The work picture cleared to white, then black wherever a cell of the grid is exactly 1.
void drawGridInto(QImage& workPicture, const PictureGrid& grid);

// The work picture cleared to white, then showing the bitmap at its top-left corner, pixel for
// pixel: a smaller bitmap leaves the rest white, a larger one is cut.
void showBitmapIn(QImage& workPicture, const QImage& bitmap);

// Calls cell(x, y - firstRow) for each exactly black pixel (RGB 0, 0, 0) of the work picture's
// pixels from row firstRow down, as many as the area holds, row by row, left to right.
void forEachBlackCell(const QImage& workPicture, int firstRow, const std::function<void(int x, int y)>& cell,
                      const PictureArea& area = kWholeGrid);
