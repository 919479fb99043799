#pragma once
// A picture control of the window's layout (the toolbar's pictures): shows a
// bitmap and reports the mouse in twips from its own top-left corner.

#include <QLabel>

class PictureControl : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    // button: 1 left, 2 right, 4 middle; buttons: their sum.
    void mouseDown(int button, int xTwips, int yTwips);
    void mouseMove(int buttons, int xTwips, int yTwips);
    void mouseUp(int button, int xTwips, int yTwips);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
