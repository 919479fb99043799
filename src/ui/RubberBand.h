#pragma once
// The shape outline shown on the canvas during a drag. It remembers exactly what it
// drew, so taking it off restores the canvas whatever happened to the drawing state
// meanwhile (a second button pressed, the tool changed from the pop-up menu).

#include "picture/Outline.h"

#include <QtGlobal>

#include <optional>

class Canvas;

class RubberBand {
public:
    bool isShown() const { return shown_.has_value(); }

    // Precondition: !isShown().
    void show(Canvas& canvas, const Outline& outline);

    // Takes the shown outline, if any, off the canvas. Returns false when something
    // else drew on the canvas while the outline was on it (ClrDraw from the keyboard
    // during a drag): its pixels can no longer be told apart, so the caller repaints
    // the canvas from the grid.
    [[nodiscard]] bool remove(Canvas& canvas);

private:
    std::optional<Outline> shown_;
    qint64 canvasImageKey_ = 0;  // the canvas image as the outline left it
};
