#pragma once
// The image on the clipboard, taken within the same limits as an image file.

#include <QImage>
#include <QString>

#include <optional>

class QMimeData;

// Whether the data holds an image at all; says nothing of whether it decodes.
bool offersImage(const QMimeData* data);

// The image, or none with the reason. Encoded image data is decoded as import decodes files, so
// an image beyond the size limits is refused before its pixels are allocated.
std::optional<QImage> clipboardImage(const QMimeData* data, QString& reason);
