#include "files/PicturePng.h"

#include <QBuffer>
#include <QImageWriter>

#include <cstring>

QImage pictureBitmap(const PictureGrid& grid, int scale)
{
    QImage bitmap(kColumns * scale, kRows * scale, QImage::Format_Mono);
    bitmap.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bitmap.fill(0);
    for (int y = 0; y < kRows; ++y) {
        // One row of cells, then its copies below: the rows of a cell are alike.
        uchar* first = bitmap.scanLine(y * scale);
        for (int x = 0; x < kColumns; ++x) {
            if (!grid.isSet(x, y))
                continue;
            for (int pixel = x * scale; pixel < (x + 1) * scale; ++pixel)
                first[pixel / 8] |= uchar(0x80 >> (pixel % 8));
        }
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(bitmap.scanLine(y * scale + copy), first, size_t(bitmap.bytesPerLine()));
    }
    return bitmap;
}

QByteArray picturePng(const PictureGrid& grid, int scale)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(pictureBitmap(grid, scale));
    return bytes;
}
