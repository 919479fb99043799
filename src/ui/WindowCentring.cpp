#include "ui/WindowCentring.h"

#include "ui/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint centredTopLeftTwips(QSize screenTwips, QSize windowTwips)
{
    return {(screenTwips.width() - windowTwips.width()) / 2, (screenTwips.height() - windowTwips.height()) / 2};
}

namespace {

void moveToCentre(QWidget& window);

// Waits for the window manager's frame, then centres the framed window once.
class FramedCentring : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move && window->isVisible()
            && window->frameGeometry().size() != window->geometry().size()) {
            window->removeEventFilter(this);
            deleteLater();
            moveToCentre(*window);
        }
        return false;
    }
};

void moveToCentre(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize frame = window.frameGeometry().size();
    const QPoint topLeft = centredTopLeftTwips(available.size() * kTwipsPerPixel, frame * kTwipsPerPixel);
    window.move(available.topLeft() + QPoint(twipsToPixels(topLeft.x()), twipsToPixels(topLeft.y())));
}

}  // namespace

void centreOnScreen(QWidget& window)
{
    moveToCentre(window);
    window.installEventFilter(new FramedCentring(&window));
}
