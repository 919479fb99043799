#include "files/BitmapFile.h"

#include <QSaveFile>

bool saveBitmapSafely(const QImage& image, const QString& path, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = QStringLiteral("the file cannot be written (%1).").arg(file.errorString());
        return false;
    }
    if (!image.save(&file, "BMP")) {
        file.cancelWriting();
        reason = QStringLiteral("the bitmap could not be written (%1).").arg(file.errorString());
        return false;
    }
    if (!file.commit()) {
        reason = QStringLiteral("the file cannot be written (%1).").arg(file.errorString());
        return false;
    }
    return true;
}
