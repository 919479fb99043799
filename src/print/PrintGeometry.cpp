#include "print/PrintGeometry.h"

#include "picture/PictureGrid.h"

QRectF PrintGeometry::cellSquare(int x, int y) const
{
    return QRectF(QPointF(left + x * cellPitch, top + y * cellPitch),
                  QPointF(left + (x + 0.75) * cellPitch, top + (y + 0.75) * cellPitch));
}

QRectF PrintGeometry::frame() const
{
    return QRectF(QPointF(left - 10, top - 10),
                  QPointF(left + kColumns * cellPitch + 10, top + kRows * cellPitch + 10));
}

PrintGeometry printGeometry(const PageSetupValues& setup)
{
    // The left margin is a 32-bit float and its product stays one.
    const float left = static_cast<float>(kTwipsPerInch) * setup.LeftMargin;
    return PrintGeometry{kTwipsPerInch * setup.ImageWidth / kColumns, left, kTwipsPerInch * setup.TopMargin};
}
