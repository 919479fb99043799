#include "ui/LayoutPicture.h"

#include <QImageReader>

QPixmap layoutPicture(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
