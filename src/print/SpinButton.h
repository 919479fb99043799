#pragma once
// An up-down control: two arrow buttons, one above the other or side by side, repeating while held.

#include <QWidget>

class QToolButton;

class SpinButton : public QWidget {
    Q_OBJECT
public:
    // Vertical: up arrow above, down arrow below. Horizontal: left arrow, then right arrow.
    SpinButton(Qt::Orientation orientation, QWidget* parent);

    QToolButton* upArrow = nullptr;    // the up arrow, or the right one
    QToolButton* downArrow = nullptr;  // the down arrow, or the left one

signals:
    void spinUp();
    void spinDown();
};
