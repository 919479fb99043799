// Invert, Flip Horizontal, Flip Vertical, and Shift with the arrow keys on the canvas.
#include "app/frmPixoram.h"
#include "draw/PictureTransforms.h"

void frmPixoram::miInvert_Click()
{
    changePicture(QStringLiteral("Invert"), invertedPicture(grid));
}

void frmPixoram::miFlipHorizontal_Click()
{
    changePicture(QStringLiteral("Flip Horizontal"), flippedHorizontally(grid));
}

void frmPixoram::miFlipVertical_Click()
{
    changePicture(QStringLiteral("Flip Vertical"), flippedVertically(grid));
}

void frmPixoram::Picture1_KeyDown(int key, bool shiftHeld)
{
    const int step = shiftHeld ? 8 : 1;
    const int dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0;
    const int dy = key == Qt::Key_Up ? -step : key == Qt::Key_Down ? step : 0;
    changePicture(QStringLiteral("Shift"), shiftedPicture(grid, dx, dy));
}
