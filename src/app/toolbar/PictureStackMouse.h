#pragma once
// Hands the mouse over a panel to its stacked picture controls as they expect it: the front-most shown
// picture under a press takes the mouse until the last button is up, even when it is hidden meanwhile
// (a hidden Qt widget loses the mouse, so the panel, which stays shown, receives it instead); the
// front-most shown picture under the pointer gives the tooltip.

#include <QEvent>
#include <QObject>
#include <QPointer>

class PictureControl;
class QMouseEvent;
class QWidget;

class PictureStackMouse : public QObject {
    Q_OBJECT
public:
    // Watches the panel's events; owned by the panel.
    explicit PictureStackMouse(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureControl* frontPictureAt(QPointF panelPos) const;
    void handleMouse(QEvent::Type type, const QMouseEvent& event);
    void showToolTip(QEvent* event);

    QWidget* panel_;
    QPointer<PictureControl> captured_;
};
