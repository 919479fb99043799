#pragma once
// Steps of a shape drag that the canvas's press, move and release handlers share.

#include "draw/ShapeDrag.h"
#include "draw/ToolTable.h"

#include <cstdint>
#include <functional>

class frmPixoram;

ShapeDrag shapeDragOf(const frmPixoram& window);

// Takes the rubber band off the canvas; when the canvas was drawn on beneath it,
// repaints the canvas from the grid instead.
void takeOutlineOff(frmPixoram& window);

// Drops a shape drag still under way: no outline left, copy pen again.
void endShapeDrag(frmPixoram& window);

// The outline follows the mouse at (X, Y), over cell (column, row).
void moveOutline(frmPixoram& window, ToolShape shape, float X, float Y, int16_t column, int16_t row);

// Runs a command that is a step of its own (or moves in the history) while the mouse may be
// drawing: a shape drag is dropped first; a pen or eraser stroke goes on as a new step after it.
void outsideGesture(frmPixoram& window, const std::function<void()>& command);
