#include "link/WorkPicture.h"

#include <QPainter>

void drawGridInto(QImage& workPicture, const PictureGrid& grid)
{
    workPicture.fill(Qt::white);
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (grid.isSet(x, y) && workPicture.valid(x, y))
                workPicture.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
}

void showBitmapIn(QImage& workPicture, const QImage& bitmap)
{
    workPicture.fill(Qt::white);
    QPainter painter(&workPicture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, bitmap);
}

void forEachBlackScreenCell(const QImage& workPicture, const std::function<void(int, int)>& plot)
{
    const int lastRow = std::min(kScreenPictureTop + kRows, workPicture.height()) - 1;
    const int columns = std::min(kColumns, workPicture.width());
    for (int y = kScreenPictureTop; y <= lastRow; ++y) {
        for (int x = 0; x < columns; ++x) {
            if ((workPicture.pixel(x, y) & 0x00FFFFFF) == 0)
                plot(x, y - kScreenPictureTop);
        }
    }
}

QString screenshotComment(const QDateTime& when)
{
    return QStringLiteral("ScreenShot ") + when.toString(QStringLiteral("MM-dd-yyyy, HH:mm:ss"));
}

QString receivedComment(const QDateTime& when)
{
    return QStringLiteral("Received ") + when.toString(QStringLiteral("MM-dd-yyyy, HH:mm:ss"));
}
