#pragma once
// Whether a Windows bitmap file holds all the pixel data its header promises.
// Qt's reader loads a bitmap cut short at full size with the missing rows
// undefined, so a short file must be caught before it is decoded.

#include <QByteArrayView>

// True for a "BM" file of a depth of 1, 4, 8, 16, 24 or 32 bits, uncompressed
// (or with bit fields) and long enough for every row, or RLE8 / RLE4 compressed
// with a run-length stream that reaches its end marker or its last row inside the file.
bool bitmapFileComplete(QByteArrayView bytes);
