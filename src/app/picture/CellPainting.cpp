// The one cell routine, the repaint from the grid and the clearing sequence, on the document.
#include "app/frmPixoram.h"
#include "draw/ToolTable.h"
#include "ui/Canvas.h"

void frmPixoram::PlotCell(int16_t x, int16_t y)
{
    if (const std::optional<int16_t> value = cellValueOfInk(CurrentTool))
        document.plotCell(x, y, *value);
}

void frmPixoram::Picture1_Paint()
{
    if (!document.commands().mayRepaint())
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
    document.clearCells();
    // Also takes off anything drawn over the cells, a shape outline among them.
    Picture1->clearToBackground();
}
