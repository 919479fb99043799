#pragma once
// The geometry of a shape drag in canvas units: press point, last mouse position,
// radius, and the ellipse proportions that follow from them.

#include <cmath>
#include <cstdint>

struct ShapeDrag {
    float startX, startY;  // the press point, unrounded
    float endX, endY;      // the last mouse position of the drag, unrounded
    double radius;         // the longer semi-axis of a circle or ellipse
};

// The aspect of a vertical drag, whose horizontal extent is zero.
inline constexpr double kVerticalAspect = 1000;

// The ratio of the ellipse's vertical to horizontal semi-axis: that of the drag vector.
inline double ellipseAspect(const ShapeDrag& drag)
{
    if (drag.endX == drag.startX)
        return kVerticalAspect;
    return std::fabs((static_cast<double>(drag.endY) - drag.startY) / (static_cast<double>(drag.endX) - drag.startX));
}

// The distance from the unrounded press point to the top-left corner of the mouse's cell.
inline double dragRadius(float startX, float startY, int16_t column, int16_t row)
{
    const double dx = column - static_cast<double>(startX);
    const double dy = row - static_cast<double>(startY);
    return std::sqrt(dx * dx + dy * dy);
}

struct SemiAxes {
    double horizontal;
    double vertical;
};

// The radius is always the longer semi-axis; the aspect shortens the other one.
inline SemiAxes ellipseSemiAxes(double radius, double aspect)
{
    if (aspect <= 1)
        return {radius, aspect * radius};
    return {radius / aspect, radius};
}
