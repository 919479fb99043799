#include "picture/CanvasGeometry.h"

#include "picture/PictureGrid.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int pixelEdge(double units, int pixels, int cells)
{
    return static_cast<int>(std::floor(units * pixels / cells + 0.5));
}

// [first, last) pixels of the dot of cell n along one axis.
std::pair<int, int> dotSpan(int n, int pixels, int cells)
{
    const int first = pixelEdge(n, pixels, cells);
    const int nextCell = pixelEdge(n + 1, pixels, cells);
    const float dotEnd = static_cast<float>(n + 0.8);  // the dot's far edge, in single precision
    int last = std::min(pixelEdge(dotEnd, pixels, cells), nextCell - 1);
    last = std::max(last, first + 1);
    return {first, last};
}

}  // namespace

QRect cellDotRect(int x, int y, int innerWidth, int innerHeight)
{
    // The canvas asks for the dots of its own size many thousand times a repaint.
    static const auto spans = [] {
        std::array<std::pair<int, int>, kColumns> columns;
        std::array<std::pair<int, int>, kRows> rows;
        for (int n = 0; n < kColumns; ++n)
            columns[n] = dotSpan(n, kCanvasInnerWidth, kColumns);
        for (int n = 0; n < kRows; ++n)
            rows[n] = dotSpan(n, kCanvasInnerHeight, kRows);
        return std::pair(columns, rows);
    }();
    const bool standard = innerWidth == kCanvasInnerWidth && innerHeight == kCanvasInnerHeight;
    const auto [left, right] = standard && x >= 0 && x < kColumns ? spans.first[x] : dotSpan(x, innerWidth, kColumns);
    const auto [top, bottom] = standard && y >= 0 && y < kRows ? spans.second[y] : dotSpan(y, innerHeight, kRows);
    return QRect(left, top, right - left, bottom - top);
}

CanvasPoint toCanvasUnits(QPointF inner, int innerWidth, int innerHeight)
{
    return {static_cast<float>(inner.x() * kColumns / innerWidth),
            static_cast<float>(inner.y() * kRows / innerHeight)};
}

QPointF toInnerPixels(double X, double Y, int innerWidth, int innerHeight)
{
    return {X * innerWidth / kColumns, Y * innerHeight / kRows};
}
