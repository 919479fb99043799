#include "PdfPages.h"

#include "picture/PictureGrid.h"
#include "print/PrintGeometry.h"

#include <QProcess>
#include <QTemporaryDir>

QImage renderPdfPage(const QString& pdfPath, int dotsPerInch, const QRect& crop)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList arguments{QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-gray"),
                          QStringLiteral("-png"), QStringLiteral("-singlefile")};
    if (crop.isValid()) {
        arguments << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
                  << QString::number(crop.y()) << QStringLiteral("-W") << QString::number(crop.width())
                  << QStringLiteral("-H") << QString::number(crop.height());
    }
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), arguments << pdfPath << prefix);
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

QRect inkBox(const QImage& page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x)
            if (line[x] < 250)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

PictureGrid readBackGrid(const QImage& page, QPointF origin, int dotsPerInch, const PageSetupValues& setup)
{
    const PrintGeometry geometry = printGeometry(setup);
    const double scale = dotsPerInch / kTwipsPerInch;
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const QPointF centre = origin + geometry.cellSquare(x, y).center() * scale;
            const int px = static_cast<int>(centre.x()), py = static_cast<int>(centre.y());
            if (page.valid(px, py) && page.constScanLine(py)[px] < 128)
                grid.setCell(x, y, 1);
        }
    }
    return grid;
}

QRectF framePixels(QPointF origin, int dotsPerInch, const PageSetupValues& setup)
{
    const double scale = dotsPerInch / kTwipsPerInch;
    const QRectF twips = printGeometry(setup).frame();
    return QRectF(origin + twips.topLeft() * scale, origin + twips.bottomRight() * scale);
}
