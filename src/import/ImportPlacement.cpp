#include "import/ImportPlacement.h"

ImportPlacement importPlacement(int width, int height)
{
    ImportPlacement placement{};
    if (width > 239) {
        placement.lastColumn = 239;
        placement.columnOffset = 0;
    } else {
        placement.lastColumn = width;
        placement.columnOffset = 120 - width / 2;
    }
    if (height > 103) {
        placement.lastRow = 103;
        placement.rowOffset = 0;
    } else {
        placement.lastRow = height;
        placement.rowOffset = 51 - height / 2;
    }
    return placement;
}
