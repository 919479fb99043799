#include "support/DocumentEdits.h"

void drawCells(PictureDocument& document, const PictureGrid& grid)
{
    document.beginStep(QStringLiteral("Pen"));
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            document.plotCell(x, y, grid.cell(x, y));
    }
    document.endStep();
}

void setFileName(PictureDocument& document, const QString& path)
{
    document.setFile(path, document.fileCaption());
}
