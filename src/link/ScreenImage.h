#pragma once
// A calculator's screen dump as an image, what Snap takes from it, and the comments Snap and Receive write.

#include "link/CalcModel.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>

// The calculator screen's rows 18 to 120 are the picture's rows 0 to 102.
constexpr int kScreenPictureTop = 18;
// The TI-89's graph area starts below its 16-row toolbar: rows 16 to 92, columns 0 to 158.
constexpr int kTI89ScreenPictureTop = 16;

// bitmap: rows top first, (width + 7) / 8 bytes a row, leftmost pixel in the high
// bit, 1 = black. The image is width x height, set pixels exactly black (RGB 0, 0, 0)
// and the others white. Precondition: bitmap holds all the rows.
QImage screenImage(const QByteArray& bitmap, int width, int height);

// Calls cell(x, y - top) for each exactly black pixel of the model's graph area in the work
// picture: rows 18 to 120, columns 0 to 239 of a TI-92 Plus screen; rows 16 to 92, columns
// 0 to 158 of a TI-89 screen.
void forEachBlackScreenCell(const QImage& workPicture, const std::function<void(int x, int y)>& cell,
                            CalcKind kind = CalcKind::TI92Plus);

// "ScreenShot mm-dd-yyyy, hh:mm:ss", on the 24-hour clock.
QString screenshotComment(const QDateTime& when);

// "Received mm-dd-yyyy, hh:mm:ss", on the 24-hour clock.
QString receivedComment(const QDateTime& when);
