#pragma once
// Image files as Qt writes them, and PNG files that claim another size.

#include <QByteArray>

class QImage;

// A file of the given format as Qt writes it ("PNG", "JPEG", "BMP").
QByteArray qtImageFile(const QImage& image, const char* format, int quality = -1);

// Overwrites the size fields of a PNG file written by Qt, CRC included.
QByteArray withClaimedSize(QByteArray file, int width, int height);
