#include "ui/RubberBand.h"

#include "ui/Canvas.h"

void RubberBand::show(Canvas& canvas, const Outline& outline)
{
    Q_ASSERT(!isShown());
    canvas.toggleOutline(outline);
    shown_ = outline;
    canvasImageKey_ = canvas.image().cacheKey();
}

bool RubberBand::remove(Canvas& canvas)
{
    if (!shown_)
        return true;
    const Outline outline = *shown_;
    shown_.reset();
    // The image's key changes with every change to its pixels.
    if (canvas.image().cacheKey() != canvasImageKey_)
        return false;
    canvas.toggleOutline(outline);
    return true;
}
