#include "app/PictureControl.h"

#include "app/Twips.h"
#include "picture/Canvas.h"

#include <QMouseEvent>

namespace {

int twips(double pixels)
{
    return static_cast<int>(pixels * kTwipsPerPixel);
}

}  // namespace

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(buttonCode(event->button()), twips(event->position().x()), twips(event->position().y()));
}

void PictureControl::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(buttonCode(event->buttons()), twips(event->position().x()), twips(event->position().y()));
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit mouseUp(buttonCode(event->button()), twips(p.x()), twips(p.y()));
    if (rect().contains(p.toPoint()))
        emit clicked();
}
