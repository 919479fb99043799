#include "picture/PictureArea.h"

int blackCellsOutside(const PictureGrid& grid, const PictureArea& area)
{
    int count = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (grid.isSet(x, y) && !area.contains(x, y))
                ++count;
        }
    }
    return count;
}
