#pragma once
// Where canvas units and cells land in device pixels, and back.
//
//   unit x spans pixels [x * W / 240, (x + 1) * W / 240); a dot covers the
//   first 0.8 of that span, but always leaves one background pixel before the
//   next cell, so neighbouring dots never merge:
//
//     |##.|##.|#.|##.|     (W = 543: pitches of 2 and 3 pixels)

#include <QPointF>
#include <QRect>

constexpr int kCanvasInnerWidth = 543;   // 8145 twips
constexpr int kCanvasInnerHeight = 254;  // 3810 twips
constexpr int kCanvasBorder = 2;

struct CanvasPoint {
    float X;
    float Y;
};

// The device-pixel rectangle of the dot of cell (x, y); x and y may lie outside the grid.
QRect cellDotRect(int x, int y, int innerWidth = kCanvasInnerWidth, int innerHeight = kCanvasInnerHeight);

// A position in the inner area, in device-independent pixels, as canvas units in single precision.
CanvasPoint toCanvasUnits(QPointF inner, int innerWidth = kCanvasInnerWidth, int innerHeight = kCanvasInnerHeight);

// Canvas units (double) to inner-area pixel coordinates, for outlines.
QPointF toInnerPixels(double X, double Y, int innerWidth = kCanvasInnerWidth, int innerHeight = kCanvasInnerHeight);
