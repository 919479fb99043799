// A whole new picture as one step: the transforms, Import Image and Paste Picture come this way.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"

#include <vector>

void frmPixoram::changePicture(const QString& step, const PictureGrid& cells)
{
    if (cells == grid)
        return;
    std::vector<QPoint> black;
    std::vector<QPoint> white;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (cells.cell(x, y) != grid.cell(x, y))
                (cells.isSet(x, y) ? black : white).emplace_back(x, y);
        }
    }
    outsideGesture(*this, [&] {
        document.beginStep(step);
        markEdited();
        document.plotCells(black, 1);
        document.plotCells(white, 0);
        document.endStep();
    });
}
