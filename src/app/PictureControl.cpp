#include "app/PictureControl.h"

#include "ui/Twips.h"

namespace {

float twips(double pixels)
{
    return static_cast<float>(pixels * kTwipsPerPixel);
}

}  // namespace

PictureControl::PictureControl(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureControl::takePress(int button, QPointF pos)
{
    emit mouseDown(button, twips(pos.x()), twips(pos.y()));
}

void PictureControl::takeMove(int buttons, QPointF pos)
{
    emit mouseMove(buttons, twips(pos.x()), twips(pos.y()));
}

void PictureControl::takeRelease(int button, QPointF pos)
{
    emit mouseUp(button, twips(pos.x()), twips(pos.y()));
    if (QRectF(rect()).contains(pos))
        emit clicked();
}
