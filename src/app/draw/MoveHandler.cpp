// The mouse moving over the canvas: the position in the status bar, and with the
// left button alone the pen's stroke or the shape's outline.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"
#include "draw/CellPositionText.h"
#include "draw/Cells.h"
#include "draw/ToolTable.h"

#include <QLabel>

void frmPixoram::Picture1_MouseMove(int button, float X, float Y)
{
    const int16_t column = cellOf(X);
    const int16_t row = cellOf(Y);
    statusPanel2->setText(cellPositionText(column, row));
    if (button != 1)
        return;
    drawMode = DrawMode::XorPen;
    const Tool* tool = findTool(CurrentTool);
    if (!tool)
        return;
    if (tool->shape == ToolShape::Freehand) {
        drawMode = DrawMode::CopyPen;
        PenLineTo(column, row);
    } else {
        moveOutline(*this, tool->shape, X, Y, column, row);
    }
}
