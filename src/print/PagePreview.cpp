#include "print/PagePreview.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Far enough off the page to leave every visible line as it is, near enough for the paint engine.
constexpr double kFarOff = 100;  // inches

int toPixel(double inches, double pixelsPerInch)
{
    return static_cast<int>(std::lround(std::clamp(inches, -kFarOff, kFarOff) * pixelsPerInch));
}

}  // namespace

PagePreview::PagePreview(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

// The page is made when first needed, once the box has its size.
void PagePreview::ensurePage()
{
    if (image_.size() == contentsRect().size())
        return;
    image_ = QImage(contentsRect().size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void PagePreview::clear()
{
    ensurePage();
    image_.fill(Qt::white);
    update();
}

void PagePreview::drawOutline(const QRectF& inches)
{
    ensurePage();
    const double scaleX = image_.width() / kPageWidth;
    const double scaleY = image_.height() / kPageHeight;
    const int left = toPixel(inches.left(), scaleX);
    const int right = toPixel(inches.right(), scaleX);
    const int top = toPixel(inches.top(), scaleY);
    const int bottom = toPixel(inches.bottom(), scaleY);
    QPainter painter(&image_);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(std::min(left, right), std::min(top, bottom), std::abs(right - left), std::abs(bottom - top));
    update();
}

void PagePreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    ensurePage();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}
