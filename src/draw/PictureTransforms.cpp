#include "draw/PictureTransforms.h"

namespace {

// The picture whose cell (x, y) is the source's cell at from(x, y); white where that lies outside.
template <typename From>
PictureGrid remapped(const PictureGrid& grid, From from)
{
    PictureGrid result;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const auto [sourceX, sourceY] = from(x, y);
            if (PictureGrid::contains(sourceX, sourceY) && grid.isSet(sourceX, sourceY))
                result.setCell(x, y, 1);
        }
    }
    return result;
}

struct Cell {
    int x;
    int y;
};

}  // namespace

PictureGrid invertedPicture(const PictureGrid& grid)
{
    PictureGrid result;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            result.setCell(x, y, grid.isSet(x, y) ? 0 : 1);
    }
    return result;
}

PictureGrid flippedHorizontally(const PictureGrid& grid)
{
    return remapped(grid, [](int x, int y) { return Cell{kColumns - 1 - x, y}; });
}

PictureGrid flippedVertically(const PictureGrid& grid)
{
    return remapped(grid, [](int x, int y) { return Cell{x, kRows - 1 - y}; });
}

PictureGrid shiftedPicture(const PictureGrid& grid, int dx, int dy)
{
    return remapped(grid, [dx, dy](int x, int y) { return Cell{x - dx, y - dy}; });
}
