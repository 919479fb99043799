#include "files/BitmapFile.h"

#include "files/ReplaceFile.h"

#include <QBuffer>

bool saveBitmapSafely(const QImage& image, const QString& path, QString& reason)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) {
        reason = QStringLiteral("the bitmap could not be made.");
        return false;
    }
    return replaceFile(path, bytes, reason);
}
