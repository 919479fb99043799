#pragma once
// The twelve drawing tools: number (the menu index and CurrentTool's value), caption, shape, colour.

#include <array>
#include <cstdint>
#include <optional>

enum class ToolShape { Freehand, Line, Box, Bar, Circle, Ellipse };

struct Tool {
    int16_t number;
    const char* caption;
    ToolShape shape;
    // The tool whose colour this tool paints in: 1 black (pen), 2 white (eraser).
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

// The value a cell takes under that ink: 1 (pen) sets it, 2 (eraser) clears it, any other
// tool number writes nothing.
constexpr std::optional<int16_t> cellValueOfInk(int ink)
{
    if (ink == 1)
        return int16_t{1};
    if (ink == 2)
        return int16_t{0};
    return std::nullopt;
}
