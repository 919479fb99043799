#pragma once
// The rubber-band outline that previews a shape drag. Bars preview as empty
// rectangles; circles and ellipses are measured in canvas units, like the cells
// the release paints.

#include "draw/ShapeDrag.h"
#include "draw/ToolTable.h"
#include "picture/Outline.h"

// Precondition: shape is not ToolShape::Freehand.
Outline shapeOutline(ToolShape shape, const ShapeDrag& drag);
