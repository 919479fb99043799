// A press on the canvas: the pop-up tool menu, or the start of a stroke or a shape.
#include "app/frmPixoram.h"
#include "draw/Cells.h"
#include "draw/ShapeDragSteps.h"
#include "picture/Canvas.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

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
    if (!miPrint->isEnabled())
        grid = PictureGrid();
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
