#pragma once
// How Snap and Send move pictures through the window's hidden work picture.

#include "picture/PictureGrid.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>

// The calculator screen's rows 18 to 120 are the picture's rows 0 to 102.
constexpr int kScreenPictureTop = 18;

// The work picture cleared to white, then black wherever a cell of the grid is set.
void drawGridInto(QImage& workPicture, const PictureGrid& grid);

// The work picture cleared to white, then showing bitmap at its top-left corner, pixel for pixel.
void showBitmapIn(QImage& workPicture, const QImage& bitmap);

// Calls plot(x, y - 18) for each exactly black pixel (RGB 0, 0, 0) of the work
// picture's rows 18 to 120, row by row, left to right.
void forEachBlackScreenCell(const QImage& workPicture, const std::function<void(int, int)>& plot);

// "ScreenShot mm-dd-yyyy, hh:mm:ss", on the 24-hour clock.
QString screenshotComment(const QDateTime& when);

// "Received mm-dd-yyyy, hh:mm:ss", on the 24-hour clock.
QString receivedComment(const QDateTime& when);
