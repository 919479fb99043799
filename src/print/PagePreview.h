#pragma once
// The page setup window's preview: a letter-size page, 8.5 x 11 inches, filling the box inside its
// one-pixel border. It keeps what is drawn on it until cleared.

#include <QFrame>
#include <QImage>

class PagePreview : public QFrame {
    Q_OBJECT
public:
    static constexpr double kPageWidth = 8.5;   // inches
    static constexpr double kPageHeight = 11;

    explicit PagePreview(QWidget* parent);

    void clear();
    // Draws the rectangle's outline; corners in inches from the page's top-left.
    void drawOutline(const QRectF& inches);

    // The page inside the border, as shown.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ensurePage();

    QImage image_;
};
