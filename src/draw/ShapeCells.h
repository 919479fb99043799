#pragma once
// The cells a released shape writes, in painting order, from its drag in canvas units.
//
// Values kept between steps (walk variables, the line's minor coordinate, the
// ellipse's offsets) are single precision, like the drawing state; expressions
// combining them are evaluated in double before anything is floored.

#include "draw/Cells.h"
#include "draw/ShapeDrag.h"
#include "draw/ToolTable.h"

// From the press point towards the end point along the major axis (x when |slope| < 1).
// The walk ends up to one unit short of the end point; a line of zero length paints nothing.
void lineCells(const ShapeDrag& drag, const CellSink& paint);

// The outline through the cells holding the two corner points; corner cells come twice.
// Cells right of column 239 or below row 102 are left out here already.
void boxCells(const ShapeDrag& drag, const CellSink& paint);

// Every cell between the corners rounded to the nearest whole number (halves to even),
// columns outer, rows inner, stepping in the drag's directions.
void barCells(const ShapeDrag& drag, const CellSink& paint);

// Four symmetric cells for each angle from 0 in steps of 0.8 / radius up to a quarter
// turn, about the unrounded press point. Aspect 1 is the circle; a zero radius paints nothing.
void ellipseCells(const ShapeDrag& drag, double aspect, const CellSink& paint);

// The cells of the tool's shape; nothing for the freehand tools.
void shapeCells(ToolShape shape, const ShapeDrag& drag, const CellSink& paint);
