// Releasing the button: a shape drag's outline goes and the shape's cells are written; the
// step the press began ends.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"
#include "draw/ShapeCells.h"

#include <QPoint>

#include <vector>

void frmPixoram::Picture1_MouseUp(int, float, float)
{
    // Copy pen means no outline is on the canvas: a click, or a pen or eraser stroke.
    if (drawMode == DrawMode::XorPen) {
        endShapeDrag(*this);
        const Tool* tool = findTool(CurrentTool);
        if (tool && tool->shape != ToolShape::Freehand) {
            std::vector<QPoint> cells;
            shapeCells(tool->shape, shapeDragOf(*this), [&cells](int16_t x, int16_t y) { cells.emplace_back(x, y); });
            document.plotCells(cells, *cellValueOfInk(tool->ink));
        }
    }
    document.endStep();
}
