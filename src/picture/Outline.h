#pragma once
// A rubber-band outline in canvas units: what the canvas draws in exclusive-or mode.

struct Outline {
    enum class Kind { Line, Rectangle, Ellipse };
    Kind kind = Kind::Line;
    // Line and Rectangle: the two points. Ellipse: the centre (x1, y1) and the
    // horizontal and vertical semi-axes (rx, ry).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double rx = 0, ry = 0;
};
