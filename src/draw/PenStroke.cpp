#include "draw/PenStroke.h"

PenPoint penStrokeTo(PenPoint from, int16_t column, int16_t row, const CellSink& paint)
{
    const double c = column;
    const double r = row;
    if (c != from.x) {
        const double m = (from.y - r) / (from.x - c);
        if (std::fabs(m) <= 1) {
            walk(from.x, column, [&](float i) { paint(cellOf(i), cellOf(r + m * (i - c))); });
        } else {
            walk(from.y, row, [&](float j) { paint(cellOf(c + (j - r) / m), cellOf(j)); });
        }
    } else if (r == from.y) {
        return from;
    } else {
        walk(from.y, row, [&](float j) { paint(column, cellOf(j)); });
    }
    return {static_cast<float>(column), static_cast<float>(row)};
}
