// The one cell routine, the repaint from the grid and the clearing sequence.
#include "app/frmPixoram.h"
#include "picture/Canvas.h"

#include <QAction>

void frmPixoram::PlotCell(int16_t x, int16_t y)
{
    if (!PictureGrid::contains(x, y))
        return;
    if (CurrentTool == 1) {
        Picture1->paintCell(x, y, Canvas::kBlack);
        grid.setCell(x, y, 1);
    } else if (CurrentTool == 2) {
        Picture1->paintCell(x, y, Canvas::kBackground);
        grid.setCell(x, y, 0);
    }
}

void frmPixoram::Picture1_Paint()
{
    if (!miSaveAs->isEnabled())
        return;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (grid.isSet(x, y))
                Picture1->paintCell(x, y, Canvas::kBlack);
        }
    }
}

void frmPixoram::ClearPicture()
{
    grid.ResetGrid();
    Picture1->clearToBackground();
}
