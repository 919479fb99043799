#pragma once
// The cells one step flipped, packed one bit a cell over the smallest rectangle that holds them.
// Cells hold 0 or 1 only, so the same bits turn the picture before into the picture after and
// back: a step costs at most one packed picture (240 x 103 bits, 3,090 bytes).

#include "picture/PictureGrid.h"

#include <QRect>

#include <cstdint>
#include <vector>

class CellChange {
public:
    // The cells inside `area` (grid coordinates) that differ between the two pictures.
    static CellChange between(const PictureGrid& before, const PictureGrid& after, const QRect& area);

    bool isEmpty() const { return area_.isEmpty(); }
    // The smallest rectangle holding every flipped cell.
    QRect area() const { return area_; }
    // Flips the cells: applied once it redoes the step, applied again it undoes it.
    void flip(PictureGrid& grid) const;
    std::size_t bytes() const { return bits_.capacity(); }

private:
    QRect area_;
    std::vector<uint8_t> bits_;  // row by row across area_, first cell in the low bit
};
