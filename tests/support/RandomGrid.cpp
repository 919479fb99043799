#include "support/RandomGrid.h"

#include <QRandomGenerator>

PictureGrid randomGrid(quint32 seed)
{
    QRandomGenerator random(seed);
    PictureGrid grid;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x)
            grid.setCell(x, y, int16_t(random.bounded(2)));
    }
    return grid;
}
