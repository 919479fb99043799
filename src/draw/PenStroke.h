#pragma once
// The freehand walk of the pen and the eraser from the last point to the cell under the mouse.

#include "draw/Cells.h"

// The last point of a stroke: the unrounded press point, then the whole cell last reached.
struct PenPoint {
    float x;
    float y;
};

// Paints the cells from `from` to cell (column, row) and returns the new last point,
// the cell itself. Unit steps run along the major axis (x when |slope| <= 1) starting
// at `from` itself; the other coordinate lies on the straight line through the target
// cell and is floored. The walk's first cell is the previous walk's last, so it is
// painted again. Reaching the point already held paints nothing.
PenPoint penStrokeTo(PenPoint from, int16_t column, int16_t row, const CellSink& paint);
