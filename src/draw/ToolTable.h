#pragma once
// The twelve drawing tools: number (the menu index and CurrentTool's value), caption, shape, colour.

#include <array>
#include <cstdint>

enum class ToolShape { Freehand, Line, Box, Bar, Circle, Ellipse };

struct Tool {
    int16_t number;
    const char* caption;
    ToolShape shape;
    // The tool PlotCell paints this tool's cells with: 1 black (pen), 2 white (eraser).
    // A shape commit lowers CurrentTool to it for its duration.
    int16_t ink;
};

inline constexpr std::array<Tool, 12> kTools{{
    {1, "Pen", ToolShape::Freehand, 1},
    {2, "Erase", ToolShape::Freehand, 2},
    {3, "Line", ToolShape::Line, 1},
    {4, "WhLine", ToolShape::Line, 2},
    {5, "Box", ToolShape::Box, 1},
    {6, "WhBox", ToolShape::Box, 2},
    {7, "Bar", ToolShape::Bar, 1},
    {8, "WhBar", ToolShape::Bar, 2},
    {9, "Circle", ToolShape::Circle, 1},
    {10, "WhCircle", ToolShape::Circle, 2},
    {11, "Ellipse", ToolShape::Ellipse, 1},
    {12, "WhEllipse", ToolShape::Ellipse, 2},
}};

// The tool of that number; nullptr for 0 (no tool armed) and anything else outside the table.
constexpr const Tool* findTool(int number)
{
    return number >= 1 && number <= static_cast<int>(kTools.size()) ? &kTools[number - 1] : nullptr;
}
