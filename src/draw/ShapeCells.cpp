#include "draw/ShapeCells.h"

#include "picture/PictureGrid.h"

namespace {

constexpr double kQuarterTurn = 3.1415926 / 2;
constexpr double kArcStep = 0.8;  // cells of arc between neighbouring angles

int16_t nearestCell(float units)
{
    return cellOf(std::nearbyint(static_cast<double>(units)));  // halves to even
}

}  // namespace

void lineCells(const ShapeDrag& drag, const CellSink& paint)
{
    const double sx = drag.startX;
    const double sy = drag.startY;
    if (drag.endX == drag.startX) {
        if (drag.endY != drag.startY)
            walk(drag.startY, drag.endY, [&](float y) { paint(cellOf(sx), cellOf(y)); });
        return;
    }
    const double m = (drag.endY - sy) / (drag.endX - sx);
    if (std::fabs(m) < 1) {
        walk(drag.startX, drag.endX, [&](float x) {
            const float y = static_cast<float>(sy + (x - sx) * m);
            paint(cellOf(x), cellOf(y));
        });
    } else {
        walk(drag.startY, drag.endY, [&](float y) {
            const float x = static_cast<float>(sx + (y - sy) / m);
            paint(cellOf(x), cellOf(y));
        });
    }
}

void boxCells(const ShapeDrag& drag, const CellSink& paint)
{
    const float left = std::floor(drag.startX);
    const float right = std::floor(drag.endX);
    const float top = std::floor(drag.startY);
    const float bottom = std::floor(drag.endY);
    const auto paintUpToLastCell = [&](float x, float y) {
        if (x <= kColumns - 1 && y <= kRows - 1)
            paint(cellOf(x), cellOf(y));
    };
    if (drag.endX != drag.startX) {
        walk(left, right, [&](float x) {
            paintUpToLastCell(x, top);
            paintUpToLastCell(x, bottom);
        });
    }
    if (drag.endY != drag.startY) {
        walk(top, bottom, [&](float y) {
            paintUpToLastCell(left, y);
            paintUpToLastCell(right, y);
        });
    }
}

void barCells(const ShapeDrag& drag, const CellSink& paint)
{
    const int c1 = nearestCell(drag.startX);
    const int c2 = nearestCell(drag.endX);
    const int r1 = nearestCell(drag.startY);
    const int r2 = nearestCell(drag.endY);
    const int columnStep = drag.endX < drag.startX ? -1 : 1;
    const int rowStep = drag.endY < drag.startY ? -1 : 1;
    for (int i = c1; columnStep > 0 ? i <= c2 : i >= c2; i += columnStep) {
        for (int j = r1; rowStep > 0 ? j <= r2 : j >= r2; j += rowStep)
            paint(static_cast<int16_t>(i), static_cast<int16_t>(j));
    }
}

void ellipseCells(const ShapeDrag& drag, double aspect, const CellSink& paint)
{
    if (!(drag.radius > 0))
        return;
    const double radius = drag.radius;
    const double d = kArcStep / radius;
    const double cx = drag.startX;
    const double cy = drag.startY;
    for (double t = 0; t <= kQuarterTurn; t += d) {
        float x, y;
        if (aspect <= 1) {
            x = static_cast<float>(radius * std::cos(t));
            y = static_cast<float>(aspect * (radius * std::sin(t)));
        } else {
            x = static_cast<float>(radius * std::cos(t) / aspect);
            y = static_cast<float>(radius * std::sin(t));
        }
        paint(cellOf(cx + x), cellOf(cy + y));
        paint(cellOf(cx + x), cellOf(cy - y));
        paint(cellOf(cx - x), cellOf(cy + y));
        paint(cellOf(cx - x), cellOf(cy - y));
    }
}

void shapeCells(ToolShape shape, const ShapeDrag& drag, const CellSink& paint)
{
    switch (shape) {
    case ToolShape::Freehand:
        break;
    case ToolShape::Line:
        lineCells(drag, paint);
        break;
    case ToolShape::Box:
        boxCells(drag, paint);
        break;
    case ToolShape::Bar:
        barCells(drag, paint);
        break;
    case ToolShape::Circle:
        ellipseCells(drag, 1, paint);
        break;
    case ToolShape::Ellipse:
        ellipseCells(drag, ellipseAspect(drag), paint);
        break;
    }
}
