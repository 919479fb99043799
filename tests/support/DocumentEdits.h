#pragma once
// Setting up a picture the way the window's commands would leave it, through its document.

#include "picture/PictureDocument.h"

// Writes every cell of the grid, values as they are, as one step.
void drawCells(PictureDocument& document, const PictureGrid& grid);

// The picture belongs to that file; the status bar's caption stays.
void setFileName(PictureDocument& document, const QString& path);
