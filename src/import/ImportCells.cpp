#include "import/ImportCells.h"

#include "import/ImportPlacement.h"

bool isPureBlack(QRgb pixel)
{
    return pixel == 0xFF000000u;
}

void forEachBlackCell(const QImage& image, const std::function<void(int x, int y)>& cell)
{
    if (image.isNull())
        return;
    const ImportPlacement placement = importPlacement(image.width(), image.height());
    for (int y = 0; y <= placement.lastRow; ++y) {
        for (int x = 0; x <= placement.lastColumn; ++x) {
            if (image.valid(x, y) && isPureBlack(image.pixel(x, y)))
                cell(x + placement.columnOffset, y + placement.rowOffset);
        }
    }
}
