// The pen and the eraser while the left button is held.
#include "app/frmPixoram.h"
#include "draw/PenStroke.h"

void frmPixoram::PenLineTo(int16_t column, int16_t row)
{
    const PenPoint last = penStrokeTo({StartX, StartY}, column, row, [this](int16_t x, int16_t y) { PlotCell(x, y); });
    StartX = last.x;
    StartY = last.y;
}
