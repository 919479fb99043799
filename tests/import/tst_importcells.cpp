// Placement: which cells an image's pure black pixels become.
#include "import/ImageConversion.h"
#include "import/ImportCells.h"
#include "picture/PictureGrid.h"

#include <QTest>

class TestImportCells : public QObject {
    Q_OBJECT
private slots:
    // Oracle: a cell for every pure black pixel of the part of the image that is read,
    // at that part's place on the grid, in reading order, whatever the pixel format; the
    // conversion placing the image 1:1 turns the same cells black. Near-black, grey and
    // transparent pixels are covered by the decoding tests.
    void pureBlackPixelsBecomeCells_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("format");
        QTest::addColumn<QRect>("cells");  // where the part of the image that is read lands
        const int rgb = QImage::Format_RGB32;
        QTest::newRow("10 x 10 centred") << QSize(10, 10) << rgb << QRect(115, 46, 10, 10);
        QTest::newRow("240 x 103 fills the grid") << QSize(240, 103) << rgb << QRect(0, 0, 240, 103);
        QTest::newRow("239 x 103 one column in") << QSize(239, 103) << rgb << QRect(1, 0, 239, 103);
        QTest::newRow("300 x 200 top-left part") << QSize(300, 200) << rgb << QRect(0, 0, 240, 103);
        QTest::newRow("1 x 1 at the middle") << QSize(1, 1) << rgb << QRect(120, 51, 1, 1);
        QTest::newRow("240 x 104 row 103 dropped") << QSize(240, 104) << rgb << QRect(0, 0, 240, 103);
        for (QImage::Format format : {QImage::Format_Indexed8, QImage::Format_Mono, QImage::Format_Grayscale8,
                                      QImage::Format_ARGB32_Premultiplied})
            QTest::newRow(qPrintable(QStringLiteral("37 x 21, format %1").arg(format)))
                << QSize(37, 21) << int(format) << QRect(120 - 37 / 2, 51 - 21 / 2, 37, 21);
    }
    void pureBlackPixelsBecomeCells()
    {
        QFETCH(QSize, size);
        QFETCH(int, format);
        QFETCH(QRect, cells);
        QImage source(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                source.setPixel(x, y, (x * 7 + y * 3) % 5 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
        const QImage image = source.convertToFormat(QImage::Format(format));
        QList<QPoint> black;
        PictureGrid grid;
        forEachBlackCell(image, [&black, &grid](int x, int y) {
            if (PictureGrid::contains(x, y)) {  // as plotting ignores it
                black << QPoint(x, y);
                grid.setCell(x, y, 1);
            }
        });
        QList<QPoint> expected;
        for (int y = cells.top(); y <= cells.bottom(); ++y) {
            for (int x = cells.left(); x <= cells.right(); ++x) {
                if (source.pixel(x - cells.left(), y - cells.top()) == qRgb(0, 0, 0))
                    expected << QPoint(x, y);
            }
        }
        QCOMPARE(black, expected);
        ConversionOptions natural;
        natural.size = SizeMode::Natural;
        QVERIFY(convertImage(image, natural) == grid);
    }
};

QTEST_APPLESS_MAIN(TestImportCells)
#include "tst_importcells.moc"
