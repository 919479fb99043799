// Placement and thresholding: which cells an image's pixels become.
#include "import/ImportCells.h"
#include "picture/PictureGrid.h"

#include <QTest>

namespace {

struct CellSpan {
    int count = 0;
    int left = 1000, right = -1000, top = 1000, bottom = -1000;
};

CellSpan cellsOf(const QImage& image)
{
    CellSpan span;
    forEachBlackCell(image, [&span](int x, int y) {
        if (!PictureGrid::contains(x, y))
            return;  // as PlotCell ignores it
        ++span.count;
        span.left = std::min(span.left, x);
        span.right = std::max(span.right, x);
        span.top = std::min(span.top, y);
        span.bottom = std::max(span.bottom, y);
    });
    return span;
}

}  // namespace

class TestImportCells : public QObject {
    Q_OBJECT
private slots:
    void allBlackImageLands_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("cells");  // the grid cells that turn black
        QTest::newRow("10 x 10 centred") << 10 << 10 << QRect(QPoint(115, 46), QPoint(124, 55));
        QTest::newRow("240 x 103 fills the grid") << 240 << 103 << QRect(QPoint(0, 0), QPoint(239, 102));
        QTest::newRow("239 x 103 one column in") << 239 << 103 << QRect(QPoint(1, 0), QPoint(239, 102));
        QTest::newRow("300 x 200 top-left part") << 300 << 200 << QRect(QPoint(0, 0), QPoint(239, 102));
        QTest::newRow("1 x 1 at the middle") << 1 << 1 << QRect(QPoint(120, 51), QPoint(120, 51));
        QTest::newRow("240 x 104 row 103 dropped") << 240 << 104 << QRect(QPoint(0, 0), QPoint(239, 102));
    }
    void allBlackImageLands()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, cells);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        const CellSpan span = cellsOf(image);
        QCOMPARE(QRect(QPoint(span.left, span.top), QPoint(span.right, span.bottom)), cells);
        QCOMPARE(span.count, cells.width() * cells.height());
    }

    void onlyOpaquePureBlackCounts_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("black");
        QTest::newRow("black") << qRgb(0, 0, 0) << true;
        QTest::newRow("near-black red") << qRgb(1, 0, 0) << false;
        QTest::newRow("near-black blue") << qRgb(0, 0, 1) << false;
        QTest::newRow("dark grey") << qRgb(30, 30, 30) << false;
        QTest::newRow("white") << qRgb(255, 255, 255) << false;
        QTest::newRow("transparent black") << qRgba(0, 0, 0, 0) << false;
        QTest::newRow("half-transparent black") << qRgba(0, 0, 0, 128) << false;
    }
    void onlyOpaquePureBlackCounts()
    {
        QFETCH(QRgb, pixel);
        QFETCH(bool, black);
        QImage image(3, 3, QImage::Format_ARGB32);
        image.fill(Qt::white);
        image.setPixel(1, 1, pixel);
        QCOMPARE(cellsOf(image).count, black ? 1 : 0);
        QCOMPARE(cellsOf(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)).count, black ? 1 : 0);
    }

    // Oracle: a cell for every pure black pixel in the read window, none elsewhere,
    // on a scattered pattern whatever the image's pixel format.
    void cellsMatchPixelsInAnyFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("RGB32") << int(QImage::Format_RGB32);
        QTest::newRow("Indexed8") << int(QImage::Format_Indexed8);
        QTest::newRow("Mono") << int(QImage::Format_Mono);
        QTest::newRow("Grayscale8") << int(QImage::Format_Grayscale8);
    }
    void cellsMatchPixelsInAnyFormat()
    {
        QFETCH(int, format);
        QImage source(37, 21, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, (x * 7 + y * 3) % 5 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        const QImage image = source.convertToFormat(QImage::Format(format));
        QList<QPoint> cells;
        forEachBlackCell(image, [&cells](int x, int y) { cells << QPoint(x, y); });
        QList<QPoint> expected;
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (source.pixel(x, y) == qRgb(0, 0, 0))
                    expected << QPoint(x + 120 - 37 / 2, y + 51 - 21 / 2);
        QCOMPARE(cells, expected);
    }
};

QTEST_APPLESS_MAIN(TestImportCells)
#include "tst_importcells.moc"
