#pragma once
// Saving an image as a Windows bitmap file without ever leaving a damaged file behind.

#include <QImage>
#include <QString>

// Writes the whole bitmap beside the target first and puts it in place only
// once it is complete; on failure any old file is left as it was and reason says why.
bool saveBitmapSafely(const QImage& image, const QString& path, QString& reason);
