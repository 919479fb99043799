#include "app/toolbar/PictureStackMouse.h"

#include "app/PictureControl.h"
#include "ui/Canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

PictureStackMouse::PictureStackMouse(QWidget* panel) : QObject(panel), panel_(panel)
{
    panel->installEventFilter(this);
}

bool PictureStackMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != panel_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        handleMouse(event->type(), *static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::ToolTip:
        showToolTip(event);
        return true;
    default:
        return false;
    }
}

// Children are kept back to front, so the last shown one under the point is in front.
PictureControl* PictureStackMouse::frontPictureAt(QPointF panelPos) const
{
    const QObjectList& children = panel_->children();
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        auto* picture = qobject_cast<PictureControl*>(*child);
        if (picture && picture->isVisible() && QRectF(picture->geometry()).contains(panelPos))
            return picture;
    }
    return nullptr;
}

void PictureStackMouse::handleMouse(QEvent::Type type, const QMouseEvent& event)
{
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease && !captured_)
        captured_ = frontPictureAt(event.position());
    const QPointer<PictureControl> picture = captured_;
    if (!picture)
        return;
    const QPointF pos = event.position() - picture->pos();
    switch (type) {
    case QEvent::MouseMove:
        picture->takeMove(buttonCode(event.buttons()), pos);
        break;
    case QEvent::MouseButtonRelease:
        // Let go first: the command a release runs may open a window and never return the mouse here.
        if (event.buttons() == Qt::NoButton)
            captured_ = nullptr;
        picture->takeRelease(buttonCode(event.button()), pos);
        break;
    default:
        picture->takePress(buttonCode(event.button()), pos);
        break;
    }
}

void PictureStackMouse::showToolTip(QEvent* event)
{
    const auto* help = static_cast<QHelpEvent*>(event);
    const PictureControl* picture = frontPictureAt(help->pos());
    if (picture && !picture->toolTip().isEmpty()) {
        QToolTip::showText(help->globalPos(), picture->toolTip(), panel_, picture->geometry());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
}
