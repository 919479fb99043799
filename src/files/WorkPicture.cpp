#include "files/WorkPicture.h"

#include <QPainter>

#include <algorithm>

void placeInWorkPicture(QImage& work, const QImage& picture)
{
    work.fill(Qt::white);
    QPainter painter(&work);
    painter.drawImage(0, 0, picture);
}

PictureGrid cellsOfWorkPicture(const QImage& work)
{
    PictureGrid cells;
    const int columns = std::min(kColumns, work.width());
    const int rows = std::min(kRows, work.height());
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            if ((work.pixel(x, y) & 0x00FFFFFF) == 0)
                cells.setCell(x, y, 1);
        }
    }
    return cells;
}

void paintGridIntoWorkPicture(QImage& work, const PictureGrid& grid)
{
    work.fill(Qt::white);
    const int columns = std::min(kColumns, work.width());
    const int rows = std::min(kRows, work.height());
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            if (grid.cell(x, y) == 1)
                work.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
}
