#pragma once
// The cells an imported image turns black: one per pure black pixel, placed by importPlacement.

#include <QImage>

#include <functional>

// True for a pixel shown exactly as RGB(0, 0, 0): opaque and black. A transparent
// pixel shows what lies behind it, so it is never black, whatever colour it stores.
bool isPureBlack(QRgb pixel);

// Calls cell(x, y) for each pure black pixel of the image at its grid position, row by
// row from the top and left to right within a row. Positions may lie outside the grid
// (row 103 of a tall image); the receiver ignores those.
void forEachBlackCell(const QImage& image, const std::function<void(int x, int y)>& cell);
