#pragma once
// Where the printed picture lands, in twips from the printable area's top-left corner.
//
//   (L-10, T-10) +-------------------------------+
//                | ##  ##                        |   each black cell (x, y): a square of 0.75 c
//                | ##  ##       c = 1440 w / 240 |   at (L + x c, T + y c)
//                +-------------------------------+ (L + 240 c + 10, T + 103 c + 10)

#include "print/PageSetupValues.h"

#include <QRectF>

constexpr double kTwipsPerInch = 1440;

struct PrintGeometry {
    double cellPitch;  // c
    double left;       // L
    double top;        // T

    QRectF cellSquare(int x, int y) const;
    QRectF frame() const;
};

PrintGeometry printGeometry(const PageSetupValues& setup);
