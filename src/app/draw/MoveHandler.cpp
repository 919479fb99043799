// The mouse moving over the canvas: the position in the status bar, and with the
// left button alone the pen's stroke or the shape's outline.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"
#include "draw/CellPositionText.h"
#include "draw/Cells.h"
#include "draw/ToolTable.h"

#include <QLabel>
#include <QProgressBar>

// The panel keeps its width unless its text needs more: then it grows over the empty part of
// the status bar, up to the progress bar (both lie in the client area's coordinates).
void frmPixoram::showPosition(const QString& text)
{
    statusPanel2->setText(text);
    const int width = statusPanel2->minimumWidth();
    const int room = std::max(width, ProgressBar1->x() - statusPanel2->x());
    statusPanel2->resize(std::clamp(statusPanel2->sizeHint().width(), width, room), statusPanel2->height());
}

void frmPixoram::Picture1_MouseMove(int button, float X, float Y)
{
    const int16_t column = cellOf(X);
    const int16_t row = cellOf(Y);
    QString position = cellPositionText(column, row);
    if (calculator == CalcKind::TI89 && !pictureAreaOf(calculator).contains(column, row))
        position += QStringLiteral(" outside the TI-89 picture");
    showPosition(position);
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
