#include "print/PicturePrinting.h"

#include "picture/PictureGrid.h"
#include "print/PrintGeometry.h"

#include <QList>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFrameWidth = 5;  // device pixels
// Room around the device inside which shapes are kept whole, wider than half the frame's line.
constexpr double kDeviceMargin = 16;

// Turns twips into device pixels and keeps huge page setups from reaching the paint engine.
class DeviceMapping {
public:
    explicit DeviceMapping(const QPaintDevice& device)
        : scaleX_(device.logicalDpiX() / kTwipsPerInch),
          scaleY_(device.logicalDpiY() / kTwipsPerInch),
          bounds_(-kDeviceMargin, -kDeviceMargin, device.width() + 2 * kDeviceMargin,
                  device.height() + 2 * kDeviceMargin)
    {
    }

    QRectF toDevice(const QRectF& twips) const
    {
        return QRectF(QPointF(twips.left() * scaleX_, twips.top() * scaleY_),
                      QPointF(twips.right() * scaleX_, twips.bottom() * scaleY_));
    }

    // False also for coordinates that are not finite.
    bool touchesDevice(const QRectF& rect) const
    {
        return rect.right() > bounds_.left() && rect.left() < bounds_.right() && rect.bottom() > bounds_.top()
               && rect.top() < bounds_.bottom();
    }

    // Moves each edge lying far off the device to just beyond it: what shows stays as it was.
    QRectF clampToBounds(const QRectF& rect) const
    {
        auto clamp = [](double v, double low, double high) { return std::fmin(std::fmax(v, low), high); };
        return QRectF(QPointF(clamp(rect.left(), bounds_.left(), bounds_.right()),
                              clamp(rect.top(), bounds_.top(), bounds_.bottom())),
                      QPointF(clamp(rect.right(), bounds_.left(), bounds_.right()),
                              clamp(rect.bottom(), bounds_.top(), bounds_.bottom())));
    }

private:
    double scaleX_;
    double scaleY_;
    QRectF bounds_;
};

}  // namespace

void paintPrintedPicture(QPainter& painter, const PictureGrid& grid, const PageSetupValues& setup)
{
    const DeviceMapping mapping(*painter.device());
    const PrintGeometry geometry = printGeometry(setup);

    QList<QRectF> squares;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (!grid.isSet(x, y))
                continue;
            const QRectF square = mapping.toDevice(geometry.cellSquare(x, y));
            if (mapping.touchesDevice(square))
                squares << mapping.clampToBounds(square);
        }
    }
    // All squares in one call: a PDF or PostScript page gets them as one fill.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(squares.constData(), static_cast<int>(squares.size()));

    const QRectF frame = mapping.toDevice(geometry.frame());
    if (!mapping.touchesDevice(frame))
        return;
    painter.setPen(QPen(Qt::black, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mapping.clampToBounds(frame));
}

bool printPicture(QPrinter& printer, const PictureGrid& grid, const PageSetupValues& setup)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintPrintedPicture(painter, grid, setup);
    return painter.end();
}
