#include "draw/ShapeOutline.h"

Outline shapeOutline(ToolShape shape, const ShapeDrag& drag)
{
    Outline outline;
    outline.x1 = drag.startX;
    outline.y1 = drag.startY;
    switch (shape) {
    case ToolShape::Freehand:
    case ToolShape::Line:
    case ToolShape::Box:
    case ToolShape::Bar:
        // Bars preview as empty rectangles, like boxes.
        outline.kind = shape == ToolShape::Box || shape == ToolShape::Bar ? Outline::Kind::Rectangle
                                                                          : Outline::Kind::Line;
        outline.x2 = drag.endX;
        outline.y2 = drag.endY;
        break;
    case ToolShape::Circle:
    case ToolShape::Ellipse: {
        const double aspect = shape == ToolShape::Circle ? 1 : ellipseAspect(drag);
        const SemiAxes axes = ellipseSemiAxes(drag.radius, aspect);
        outline.kind = Outline::Kind::Ellipse;
        outline.rx = axes.horizontal;
        outline.ry = axes.vertical;
        break;
    }
    }
    return outline;
}
