#include "app/WindowCentring.h"

#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint centredTopLeftTwips(QSize screenTwips, QSize windowTwips)
{
    return {(screenTwips.width() - windowTwips.width()) / 2, (screenTwips.height() - windowTwips.height()) / 2};
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize frame = window.frameGeometry().size();
    const QPoint topLeft = centredTopLeftTwips(available.size() * kTwipsPerPixel, frame * kTwipsPerPixel);
    window.move(available.topLeft() + QPoint(twipsToPixels(topLeft.x()), twipsToPixels(topLeft.y())));
}
