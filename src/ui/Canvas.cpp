#include "ui/Canvas.h"

#include "picture/Outline.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

int buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

Canvas::Canvas(QWidget* parent)
    : QFrame(parent),
      image_(kCanvasInnerWidth, kCanvasInnerHeight, QImage::Format_RGB32),
      outlineMask_(kCanvasInnerWidth, kCanvasInnerHeight, QImage::Format_Grayscale8)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kCanvasBorder);
    setFixedSize(kCanvasInnerWidth + 2 * kCanvasBorder, kCanvasInnerHeight + 2 * kCanvasBorder);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(kBackground);
    setPictureArea(kWholeGrid);
}

void Canvas::setPictureArea(const PictureArea& area)
{
    // From the first pixel to the last before the first cell beyond the area.
    const QPoint beyond = cellDotRect(area.columns, area.rows).topLeft();
    insidePixels_ = QRect(QPoint(0, 0), beyond - QPoint(1, 1)).intersected(image_.rect());
}

void Canvas::paintCell(int x, int y, QRgb colour)
{
    const QRect dot = cellDotRect(x, y).intersected(image_.rect());
    if (dot.isEmpty())
        return;
    fill(dot, colour);
    updateInner(dot);
}

void Canvas::showCells(const PictureGrid& grid, const QRect& cells)
{
    const QRect area = cells & QRect(0, 0, kColumns, kRows);
    if (area.isEmpty())
        return;
    // From the first pixel of the top-left cell to the last before the cells beyond the area.
    const QPoint first = cellDotRect(area.left(), area.top()).topLeft();
    const QPoint beyond = cellDotRect(area.right() + 1, area.bottom() + 1).topLeft();
    const QRect pixels = QRect(first, beyond - QPoint(1, 1)).intersected(image_.rect());
    fill(pixels, kBackground);
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (grid.isSet(x, y))
                fill(cellDotRect(x, y), kBlack);
        }
    }
    updateInner(pixels);
}

void Canvas::fill(const QRect& innerRect, QRgb colour)
{
    const QRect inside = innerRect & insidePixels_;
    if (inside == innerRect) {
        fillPixels(innerRect, colour);
        return;
    }
    fillPixels(inside, colour);
    const QRgb lighter = colour == kBlack ? kOutsideBlack : colour == kBackground ? kOutsideBackground : colour;
    // The pixels outside: the strip right of the area, then the strip below it.
    const QRect right(insidePixels_.right() + 1, 0, image_.width(), insidePixels_.bottom() + 1);
    const QRect below(0, insidePixels_.bottom() + 1, image_.width(), image_.height());
    fillPixels(innerRect & right, lighter);
    fillPixels(innerRect & below, lighter);
}

void Canvas::fillPixels(const QRect& innerRect, QRgb colour)
{
    if (innerRect.isEmpty())
        return;
    auto* pixels = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / sizeof(QRgb);
    for (int row = innerRect.top(); row <= innerRect.bottom(); ++row)
        std::fill_n(pixels + row * stride + innerRect.left(), innerRect.width(), colour);
}

void Canvas::clearToBackground()
{
    fill(image_.rect(), kBackground);
    updateInner(image_.rect());
}

void Canvas::toggleOutline(const Outline& outline)
{
    // Only the outline's bounding box of the mask is cleared and scanned: a
    // drag redraws its outline twice per mouse move.
    const QPointF a = toInnerPixels(outline.x1, outline.y1);
    QRectF bounds;
    if (outline.kind == Outline::Kind::Ellipse) {
        const QPointF radii = toInnerPixels(outline.rx, outline.ry);
        bounds = QRectF(a - radii, a + radii);
    } else {
        bounds = QRectF(a, toInnerPixels(outline.x2, outline.y2)).normalized();
    }
    const QRect box = bounds.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image_.rect());
    if (box.isEmpty())
        return;
    for (int row = box.top(); row <= box.bottom(); ++row)
        std::fill_n(outlineMask_.scanLine(row) + box.left(), box.width(), uchar(0));
    {
        QPainter painter(&outlineMask_);
        painter.setClipRect(box);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, 0));
        painter.setBrush(Qt::NoBrush);
        switch (outline.kind) {
        case Outline::Kind::Line:
            painter.drawLine(a, toInnerPixels(outline.x2, outline.y2));
            break;
        case Outline::Kind::Rectangle:
            painter.drawRect(bounds);
            break;
        case Outline::Kind::Ellipse: {
            const QPointF radii = toInnerPixels(outline.rx, outline.ry);
            painter.drawEllipse(a, radii.x(), radii.y());
            break;
        }
        }
    }
    constexpr QRgb kInvert = kBackground & 0x00FFFFFF;
    QRect touched;
    for (int row = box.top(); row <= box.bottom(); ++row) {
        const uchar* mask = outlineMask_.constScanLine(row);
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        int first = -1, last = -1;
        for (int col = box.left(); col <= box.right(); ++col) {
            if (mask[col]) {
                line[col] ^= kInvert;
                if (first < 0)
                    first = col;
                last = col;
            }
        }
        if (first >= 0)
            touched |= QRect(first, row, last - first + 1, 1);
    }
    if (!touched.isEmpty())
        updateInner(touched);
}

void Canvas::paintEvent(QPaintEvent* event)
{
    dirty_ = QRect();
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(kCanvasBorder, kCanvasBorder, image_);
}

CanvasPoint Canvas::unitsAt(QPointF widgetPos) const
{
    const QRect inner = contentsRect();
    return toCanvasUnits(widgetPos - QPointF(inner.topLeft()), inner.width(), inner.height());
}

void Canvas::updateInner(const QRect& innerRect)
{
    // Thousands of dots change in one event: ask for a repaint only when the
    // area waiting for it grows, as one rectangle.
    const QRect rect = innerRect.translated(kCanvasBorder, kCanvasBorder);
    if (dirty_.contains(rect))
        return;
    dirty_ |= rect;
    update(dirty_);
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    const CanvasPoint p = unitsAt(event->position());
    emit mousePressed(buttonCode(event->button()), p.X, p.Y);
}

void Canvas::mouseMoveEvent(QMouseEvent* event)
{
    const CanvasPoint p = unitsAt(event->position());
    emit mouseMoved(buttonCode(event->buttons()), p.X, p.Y);
}

void Canvas::mouseReleaseEvent(QMouseEvent* event)
{
    const CanvasPoint p = unitsAt(event->position());
    emit mouseReleased(buttonCode(event->button()), p.X, p.Y);
}

void Canvas::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void Canvas::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void Canvas::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    emit filesDropped(paths);
}

void Canvas::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit arrowKeyPressed(event->key(), event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}
