// Releasing the button after a shape drag: the outline goes, the shape's cells are written.
#include "app/frmPixoram.h"
#include "draw/ShapeCells.h"
#include "draw/ShapeDragSteps.h"

void frmPixoram::Picture1_MouseUp(int, float, float)
{
    // Copy pen means no outline is on the canvas: a click, or a pen or eraser stroke.
    if (drawMode != DrawMode::XorPen)
        return;
    endShapeDrag(*this);
    const Tool* tool = findTool(CurrentTool);
    if (!tool || tool->shape == ToolShape::Freehand)
        return;
    // PlotCell paints with the pen or the eraser, so the commit borrows the one of its colour.
    CurrentTool = tool->ink;
    shapeCells(tool->shape, shapeDragOf(*this), [this](int16_t x, int16_t y) { PlotCell(x, y); });
    CurrentTool = tool->number;
}
