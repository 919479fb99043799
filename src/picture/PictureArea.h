#pragma once
// The part of the grid a calculator's picture holds: its top-left columns x rows.
//
//   TI-92 Plus, Voyage 200, TI-92: all 240 x 103 cells
//   TI-89, TI-89 Titanium:         159 x 77, the rest of the grid lies outside
//
//   +-------------+------+
//   | 159 x 77    |      |
//   +-------------+      |
//   |       outside      |
//   +--------------------+

#include "picture/PictureGrid.h"

struct PictureArea {
    int columns = kColumns;
    int rows = kRows;

    bool contains(int x, int y) const { return x >= 0 && x < columns && y >= 0 && y < rows; }
    bool operator==(const PictureArea&) const = default;
};

constexpr PictureArea kWholeGrid{kColumns, kRows};
constexpr PictureArea kTI89PictureArea{159, 77};

// How many black cells of the grid lie outside the area: what a picture of that area loses.
int blackCellsOutside(const PictureGrid& grid, const PictureArea& area);
