#pragma once
// A picture variable as the calculator stores it:
//
//   size (2, big-endian: bytes that follow) | height (2) | width (2) |
//   bitmap: rows top first, each padded to whole bytes, leftmost pixel in the
//           high bit, 1 = black | tag 0xDF

#include "picture/PictureArea.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

constexpr int kPictureTypeCode = 0x10;  // the calculators' picture type
constexpr uint8_t kPictureTag = 0xDF;

// The top-left pixels of an image, as many as the area holds (240 x 103 unless
// told), as a picture variable: exactly black pixels (RGB 0, 0, 0) are set;
// pixels outside the image are clear.
QByteArray encodePictureVariable(const QImage& image, const PictureArea& area = kWholeGrid);

// The picture of a variable's data as a black-and-white image of its own size,
// or none (with the reason) when the data is not a consistent picture.
std::optional<QImage> decodePictureVariable(const QByteArray& data, QString& reason);
