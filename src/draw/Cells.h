#pragma once
// How the drawing rules hand out cells: one call per cell, in drawing order,
// unclipped (the receiver skips cells outside the grid).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

using CellSink = std::function<void(int16_t column, int16_t row)>;

// The cell coordinate under a position: its floor, as a 16-bit integer. Values beyond
// the 16-bit range stay beyond the grid rather than wrap into it.
inline int16_t cellOf(double units)
{
    constexpr double lowest = std::numeric_limits<int16_t>::min();
    constexpr double highest = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(std::clamp(std::floor(units), lowest, highest));
}

// Walks from a to b in unit steps: a, a ± 1, a ± 2, ... as long as the value has not
// passed b. The walk starts at a itself, fraction included, so it ends on b only when
// b - a is whole. The walk variable is single precision, as the drawing state is.
template <typename Step>
void walk(float a, float b, Step step)
{
    if (b > a) {
        for (float v = a; v <= b; v += 1.0f)
            step(v);
    } else {
        for (float v = a; v >= b; v -= 1.0f)
            step(v);
    }
}
