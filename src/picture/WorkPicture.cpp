#include "picture/WorkPicture.h"

#include <QPainter>

#include <algorithm>

void drawGridInto(QImage& workPicture, const PictureGrid& grid)
{
    workPicture.fill(Qt::white);
    const int columns = std::min(kColumns, workPicture.width());
    const int rows = std::min(kRows, workPicture.height());
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            if (grid.isSet(x, y))
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

void forEachBlackCell(const QImage& workPicture, int firstRow, const std::function<void(int x, int y)>& cell,
                      const PictureArea& area)
{
    const int lastRow = std::min(firstRow + area.rows, workPicture.height()) - 1;
    const int columns = std::min(area.columns, workPicture.width());
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = 0; x < columns; ++x) {
            if ((workPicture.pixel(x, y) & 0x00FFFFFF) == 0)
                cell(x, y - firstRow);
        }
    }
}
