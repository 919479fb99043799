#pragma once
// An image file as import shows and reads it: decoded at its natural size with
// the colours of the file, or refused.
//
// Accepted: Windows bitmaps (1 to 32 bits, RLE4 and RLE8 included; .RLE files are
// such bitmaps), icons (the largest image), JPEG, GIF (the first frame), PNG and
// placeable Windows metafiles. Refused: anything else, a bitmap shorter than its
// header promises, and any image larger than ImageLimits.h allows, before its
// pixels are allocated where the format tells the size up front.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

std::optional<QImage> decodeImportImage(const QByteArray& bytes);

// Reads the file, a regular file of at most kMaxImportFileBytes, and decodes it.
std::optional<QImage> loadImportImage(const QString& path);
