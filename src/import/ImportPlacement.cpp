#include "import/ImportPlacement.h"

#include <utility>

namespace {

// One axis: the last position read and the offset, for an image `size` long on
// a grid whose widest image is `limit` and whose middle is `middle`.
std::pair<int, int> placeAxis(int size, int limit, int middle)
{
    if (size > limit)
        return {limit, 0};
    return {size, middle - size / 2};
}

}  // namespace

ImportPlacement importPlacement(int width, int height)
{
    const auto [lastColumn, columnOffset] = placeAxis(width, 239, 120);
    const auto [lastRow, rowOffset] = placeAxis(height, 103, 51);
    return {lastColumn, lastRow, columnOffset, rowOffset};
}
