#pragma once
// Small image files built byte by byte for the import tests, from pictures written
// as strings: 'X' black, '.' white, 'G' near-black RGB(1, 1, 1), 'T' black stored
// under a transparent pixel, 'H' black at half opacity.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QStringList>

#include <optional>

enum class BitmapCompression { None, Rle8, Rle4 };

// A Windows bitmap of 1, 4, 8, 16, 24 or 32 bits a pixel ('G' needs more than 1 bit).
QByteArray bitmapFile(const QStringList& rows, int bits, BitmapCompression compression = BitmapCompression::None);

// One image of an icon file: 8, 24 or 32 bits. 'T' is masked by the AND bitmap in
// 8 and 24 bits and has alpha 0 in 32 bits; 'H' has alpha 128 (32 bits only).
struct IconPicture {
    QStringList rows;
    int bits;
};
QByteArray iconFile(const QList<IconPicture>& images);

// A GIF with 'T' as its transparent colour; every further frame is all black.
QByteArray gifFile(const QStringList& firstFrame, int furtherFrames = 0);

// A placeable metafile of width x height units at 96 units an inch that fills the
// rectangle [left, right] x [top, bottom] with black; anisotropic: the file counts
// in half units and sets its own window, so the player must map the frame itself.
QByteArray wmfFile(int width, int height, int left, int top, int right, int bottom, bool anisotropic);

// A metafile without the placeable header that fills each rectangle with black,
// right and bottom edges included (QRect's right() and bottom()); with a window
// it first sets that window's origin and extent, in the anisotropic mapping if asked.
QByteArray plainWmfFile(const QList<QRect>& fills, std::optional<QRect> window = std::nullopt,
                        bool anisotropic = false);

// The same picture as a QImage, for formats Qt writes itself.
class QImage;
QImage pictureImage(const QStringList& rows);

// A file of the given format as Qt writes it ("PNG", "JPEG", "BMP").
QByteArray qtImageFile(const QImage& image, const char* format, int quality = -1);

// Overwrites the size fields of a PNG or JPEG file written by Qt (CRC included for PNG).
QByteArray withClaimedSize(QByteArray file, int width, int height);
