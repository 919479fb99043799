#pragma once
// A picture control of the window's layout (the toolbar's pictures): shows a bitmap and reports the
// mouse in twips from its own top-left corner. Qt does not route the mouse to it: a PictureStackMouse
// on its panel hands it the mouse, so that it keeps the mouse while hidden.

#include <QLabel>

class PictureControl : public QLabel {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent);

    // The mouse as the panel hands it over; pos in the picture's pixels.
    void takePress(int button, QPointF pos);
    void takeMove(int buttons, QPointF pos);
    void takeRelease(int button, QPointF pos);

signals:
    // button: 1 left, 2 right, 4 middle; buttons: their sum. X, Y in twips.
    void mouseDown(int button, float X, float Y);
    void mouseMove(int buttons, float X, float Y);
    void mouseUp(int button, float X, float Y);
    // A release over the picture that took the press.
    void clicked();
};
