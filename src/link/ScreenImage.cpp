#include "link/ScreenImage.h"

#include "picture/WorkPicture.h"

QImage screenImage(const QByteArray& bitmap, int width, int height)
{
    const int rowBytes = (width + 7) / 8;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint8_t*>(bitmap.constData()) + y * rowBytes;
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (row[x / 8] & (0x80 >> (x % 8)))
                pixels[x] = qRgb(0, 0, 0);
        }
    }
    return image;
}

void forEachBlackScreenCell(const QImage& workPicture, const std::function<void(int x, int y)>& cell,
                            CalcKind kind)
{
    const int top = kind == CalcKind::TI89 ? kTI89ScreenPictureTop : kScreenPictureTop;
    forEachBlackCell(workPicture, top, cell, pictureAreaOf(kind));
}

QString screenshotComment(const QDateTime& when)
{
    return QStringLiteral("ScreenShot ") + when.toString(QStringLiteral("MM-dd-yyyy, HH:mm:ss"));
}

QString receivedComment(const QDateTime& when)
{
    return QStringLiteral("Received ") + when.toString(QStringLiteral("MM-dd-yyyy, HH:mm:ss"));
}
