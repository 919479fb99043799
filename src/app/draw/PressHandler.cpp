// A press on the canvas: the pop-up tool menu, or the start of a stroke or a shape.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"
#include "draw/Cells.h"
#include "draw/ToolTable.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

// The step a press begins is named after the tool it will draw with.
QString stepName(const frmPixoram& window)
{
    const Tool* tool = findTool(window.CurrentTool != 0 ? window.CurrentTool : window.SavedTool);
    return tool ? QString::fromLatin1(tool->caption) : QString();
}

}  // namespace

void frmPixoram::Picture1_MouseDown(int button, float X, float Y)
{
    // A second button pressed during a shape drag drops that shape.
    endShapeDrag(*this);
    StartX = X;
    StartY = Y;
    if (button == 2) {
        // Let the canvas repaint before the menu opens over it.
        QCoreApplication::processEvents();
        const QPointF inner = toInnerPixels(X, Y) + QPointF(Picture1->contentsRect().topLeft());
        miTools->popup(Picture1->mapToGlobal(inner).toPoint());
        return;
    }
    // Everything from here to the release is one step; one that changes nothing is none.
    document.beginStep(stepName(*this));
    if (!document.commands().hasPicture())
        document.clearCells();
    markEdited();
    EndX = StartX;
    EndY = StartY;
    Radius = 0;
    if (CurrentTool == 1 || CurrentTool == 2)
        PlotCell(cellOf(X), cellOf(Y));
    if (CurrentTool == 0) {
        CurrentTool = SavedTool;
        checkToolItem(CurrentTool);
    }
}
