#include "app/draw/ShapeDragSteps.h"

#include "app/frmPixoram.h"
#include "draw/ShapeOutline.h"
#include "ui/Canvas.h"

ShapeDrag shapeDragOf(const frmPixoram& window)
{
    return {window.StartX, window.StartY, window.EndX, window.EndY, window.Radius};
}

void takeOutlineOff(frmPixoram& window)
{
    if (window.rubberBand.remove(*window.Picture1))
        return;
    window.Picture1->clearToBackground();
    window.Picture1_Paint();
}

void endShapeDrag(frmPixoram& window)
{
    takeOutlineOff(window);
    window.drawMode = frmPixoram::DrawMode::CopyPen;
}

void moveOutline(frmPixoram& window, ToolShape shape, float X, float Y, int16_t column, int16_t row)
{
    takeOutlineOff(window);
    // A circle follows the mouse's cell alone; the other shapes keep the position too.
    if (shape != ToolShape::Circle) {
        window.EndX = X;
        window.EndY = Y;
    }
    if (shape == ToolShape::Circle || shape == ToolShape::Ellipse)
        window.Radius = dragRadius(window.StartX, window.StartY, column, row);
    window.rubberBand.show(*window.Picture1, shapeOutline(shape, shapeDragOf(window)));
}

void outsideGesture(frmPixoram& window, const std::function<void()>& command)
{
    const Tool* tool = findTool(window.CurrentTool);
    const bool stroking = window.document.inStep() && tool && tool->shape == ToolShape::Freehand;
    endShapeDrag(window);
    window.document.endStep();
    command();
    if (stroking)
        window.document.beginStep(QString::fromLatin1(tool->caption));
}
