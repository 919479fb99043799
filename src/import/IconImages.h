#pragma once
// Icon files: which of their images to import, and the transparency Qt's icon
// reader leaves out.
//
//   directory: 6 bytes (0, type 1, count), then 16 bytes an image:
//              width, height (0 = 256), colours, 0, planes, bits, size, offset
//   image:     a PNG file, or a 40-byte bitmap header, the colour table, the
//              colour rows and the 1-bit AND mask rows, both bottom-up

#include <QByteArrayView>
#include <QImage>

#include <optional>

// The index of the largest image (by area; then the one with more bits a pixel;
// then the first), or nothing when the directory is not that of an icon file.
std::optional<int> largestIconIndex(QByteArrayView bytes);

// The size Qt's reader gives image `index`: the directory's width and height, or
// for 0 the bitmap header's, which may claim anything. Nothing for a PNG image
// (its own header tells) or when the entry lies outside the file.
std::optional<QSize> iconBitmapSize(QByteArrayView bytes, int index);

// Makes transparent the pixels of the decoded image `index` that its AND mask hides.
// Qt keeps them opaque in icons without an alpha channel, with whatever colour is
// stored under them (often black). Images with an alpha channel of their own and
// PNG images are left alone. False when the mask lies outside the file.
bool applyIconMask(QByteArrayView bytes, int index, QImage& image);
