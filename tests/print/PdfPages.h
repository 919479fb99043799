#pragma once
// Reads printed PDF pages back: renders them with pdftoppm and finds where the ink landed.

#include <QImage>
#include <QString>

class PictureGrid;
struct PageSetupValues;

// The first page in grey at the resolution, or the part of it in crop (page pixels); a null image
// when pdftoppm failed.
QImage renderPdfPage(const QString& pdfPath, int dotsPerInch, const QRect& crop = QRect());

// The smallest rectangle around every inked pixel, however faint.
QRect inkBox(const QImage& page);

// The grid as printed: a cell is black when the pixel under its square's centre is dark. origin: the
// printable area's top-left corner in page pixels.
PictureGrid readBackGrid(const QImage& page, QPointF origin, int dotsPerInch, const PageSetupValues& setup);

// Where the frame's rectangle (the middle of its line) lies in page pixels.
QRectF framePixels(QPointF origin, int dotsPerInch, const PageSetupValues& setup);
