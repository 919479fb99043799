#pragma once
// The canvas Picture1: an enlarged view of the picture, one dot per set cell.
// It keeps the image it shows, so the window system's repaints show it as it
// stands; the window repaints the cells the document announces as changed.

#include "picture/CanvasGeometry.h"
#include "picture/PictureArea.h"
#include "picture/PictureGrid.h"

#include <QFrame>
#include <QImage>
#include <QStringList>

struct Outline;

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle, summed.
int buttonCode(Qt::MouseButtons buttons);

class Canvas : public QFrame {
    Q_OBJECT
public:
    static constexpr QRgb kBackground = 0xFFE0E0E0;  // RGB(224, 224, 224)
    static constexpr QRgb kBlack = 0xFF000000;
    // Cells outside the calculator's picture area: a lighter background, grey dots.
    static constexpr QRgb kOutsideBackground = 0xFFF6F6F6;
    static constexpr QRgb kOutsideBlack = 0xFF8C8C8C;

    explicit Canvas(QWidget* parent = nullptr);

    // The cells the chosen calculator's picture holds (all of them unless told); the
    // others are shown lighter. The caller repaints the cells afterwards.
    void setPictureArea(const PictureArea& area);
    // Paints the dot of cell (x, y) in the colour (kBlack or kBackground, lighter
    // outside the picture area); cells outside the grid are drawn where they would
    // be, clipped to the canvas.
    void paintCell(int x, int y, QRgb colour);
    void clearToBackground();
    // Repaints the cells of the rectangle (grid coordinates) from the grid: the background
    // with the gaps, then a dot for each set cell.
    void showCells(const PictureGrid& grid, const QRect& cells);
    // Inverts the outline's pixels against the background colour: black and
    // background swap. Drawing the same outline again restores every pixel.
    void toggleOutline(const Outline& outline);

    // The inner area as shown, 543 x 254 pixels.
    const QImage& image() const { return image_; }

signals:
    void mousePressed(int button, float X, float Y);
    void mouseMoved(int buttons, float X, float Y);
    void mouseReleased(int button, float X, float Y);
    void filesDropped(const QStringList& paths);
    // key: Qt::Key_Left, Key_Right, Key_Up or Key_Down.
    void arrowKeyPressed(int key, bool shiftHeld);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CanvasPoint unitsAt(QPointF widgetPos) const;
    // Fills the pixels with the colour, in its lighter form where they lie outside the picture area.
    void fill(const QRect& innerRect, QRgb colour);
    void fillPixels(const QRect& innerRect, QRgb colour);
    void updateInner(const QRect& innerRect);

    QImage image_;
    QImage outlineMask_;
    QRect dirty_;  // what has changed since the last paint, in widget coordinates
    QRect insidePixels_;  // the pixels of the picture area's cells, gaps included
};
