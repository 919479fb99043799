// The image conversion: grey levels, scaling, rotation and the three black-and-white methods.
#include "import/ImageConversion.h"
#include "import/ImportCells.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QImage greyImage(int width, int height, const std::function<int(int, int)>& grey)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int level = grey(x, y);
            image.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return image;
}

QImage flatGrey(int grey)
{
    return greyImage(kColumns, kRows, [grey](int, int) { return grey; });
}

int blackIn(const PictureGrid& grid, const QRect& block)
{
    int count = 0;
    for (int y = block.top(); y <= block.bottom(); ++y) {
        for (int x = block.left(); x <= block.right(); ++x)
            count += grid.isSet(x, y) ? 1 : 0;
    }
    return count;
}

ConversionOptions withMethod(BlackWhiteMethod method)
{
    ConversionOptions options;
    options.method = method;
    return options;
}

}  // namespace

class TestImageConversion : public QObject {
    Q_OBJECT
private slots:
    void thresholdIsLuminanceBelowLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QRgb>("tint");  // each channel of a gradient pixel scaled by this colour
        for (int level : {0, 1, 64, 128, 200, 255})
            QTest::newRow(qPrintable(QStringLiteral("grey, level %1").arg(level))) << level << qRgb(255, 255, 255);
        QTest::newRow("red and green, level 100") << 100 << qRgb(255, 128, 0);
        QTest::newRow("blue, level 30") << 30 << qRgb(0, 0, 255);
    }
    void thresholdIsLuminanceBelowLevel()
    {
        QFETCH(int, level);
        QFETCH(QRgb, tint);
        // Every grey level several times, in a picture of exactly the grid's size.
        const auto channel = [](int x, int y, int scale) { return (x + 3 * y) % 256 * scale / 255; };
        QImage image(kColumns, kRows, QImage::Format_RGB32);
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x)
                image.setPixel(x, y, qRgb(channel(x, y, qRed(tint)), channel(x, y, qGreen(tint)), channel(x, y, qBlue(tint))));
        }
        ConversionOptions options;
        options.level = level;
        const PictureGrid grid = convertImage(image, options);
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const double luminance = (299.0 * qRed(pixel) + 587.0 * qGreen(pixel) + 114.0 * qBlue(pixel)) / 1000.0;
                QVERIFY2(grid.isSet(x, y) == (luminance < level), qPrintable(QStringLiteral("cell %1, %2").arg(x).arg(y)));
            }
        }
    }

    void transparencyIsCompositedOntoWhite_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("black");
        QTest::newRow("transparent black is white") << qRgba(0, 0, 0, 0) << false;
        QTest::newRow("black at 40% is light") << qRgba(0, 0, 0, 102) << false;
        QTest::newRow("black at 60% is dark") << qRgba(0, 0, 0, 153) << true;
        QTest::newRow("opaque black") << qRgba(0, 0, 0, 255) << true;
    }
    void transparencyIsCompositedOntoWhite()
    {
        QFETCH(QRgb, pixel);
        QFETCH(bool, black);
        QImage image(kColumns, kRows, QImage::Format_ARGB32);
        image.fill(pixel);
        QCOMPARE(convertImage(image, {}).isSet(17, 40), black);
    }

    void fitAveragesEachTwoByTwoBlock()
    {
        QRandomGenerator random(13);
        const QImage image = greyImage(480, 206, [&random](int, int) { return int(random.bounded(256)); });
        const GreyCells grey = greyCells(image, {});
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                const int sum = qRed(image.pixel(2 * x, 2 * y)) + qRed(image.pixel(2 * x + 1, 2 * y))
                                + qRed(image.pixel(2 * x, 2 * y + 1)) + qRed(image.pixel(2 * x + 1, 2 * y + 1));
                QCOMPARE(grey.at(x, y), float(sum) / 4.0f);
            }
        }
    }

    void naturalBlackMatchesTheExactBlackImport()
    {
        // Pure black lands where File > Import puts it; near-black differs only by the threshold.
        QRandomGenerator random(5);
        const QImage image = greyImage(57, 31, [&random](int, int) { return random.bounded(2) ? 0 : 255; });
        PictureGrid imported;
        forEachBlackCell(image, [&imported](int x, int y) {
            if (PictureGrid::contains(x, y))
                imported.setCell(x, y, 1);
        });
        ConversionOptions options;
        options.size = SizeMode::Natural;
        QVERIFY(convertImage(image, options) == imported);
    }

    void rotationTurnsClockwise_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
    }
    void rotationTurnsClockwise()
    {
        QFETCH(int, degrees);
        QRandomGenerator random(degrees);
        const QImage image = greyImage(degrees == 180 ? 240 : 103, degrees == 180 ? 103 : 240,
                                       [&random](int, int) { return random.bounded(2) ? 0 : 255; });
        ConversionOptions options;
        options.rotation = degrees;
        // Qt turns by multiples of 90 degrees pixel for pixel, clockwise for positive angles.
        ConversionOptions unturned;
        QVERIFY(convertImage(image, options) == convertImage(image.transformed(QTransform().rotate(degrees)), unturned));
    }

    void floydSteinbergKeepsTheDarknessOfEveryBlock_data()
    {
        QTest::addColumn<int>("grey");
        for (int grey : {0, 20, 64, 100, 128, 160, 200, 240, 255})
            QTest::newRow(qPrintable(QString::number(grey))) << grey;
    }
    void floydSteinbergKeepsTheDarknessOfEveryBlock()
    {
        QFETCH(int, grey);
        const PictureGrid grid = convertImage(flatGrey(grey), withMethod(BlackWhiteMethod::FloydSteinberg));
        const double darkness = (255 - grey) / 255.0;
        for (int top = 0; top + 16 <= kRows; top += 16) {
            for (int left = 0; left + 16 <= kColumns; left += 16) {
                const double fraction = blackIn(grid, QRect(left, top, 16, 16)) / 256.0;
                QVERIFY2(std::abs(fraction - darkness) <= 0.03,
                         qPrintable(QStringLiteral("block at %1, %2: %3").arg(left).arg(top).arg(fraction)));
            }
        }
    }

    void orderedRepeatsEveryEightCells_data()
    {
        QTest::addColumn<int>("grey");
        for (int grey : {1, 37, 128, 190, 254})
            QTest::newRow(qPrintable(QString::number(grey))) << grey;
    }
    void orderedRepeatsEveryEightCells()
    {
        QFETCH(int, grey);
        const PictureGrid grid = convertImage(flatGrey(grey), withMethod(BlackWhiteMethod::Ordered));
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                if (x + 8 < kColumns)
                    QCOMPARE(grid.isSet(x, y), grid.isSet(x + 8, y));
                if (y + 8 < kRows)
                    QCOMPARE(grid.isSet(x, y), grid.isSet(x, y + 8));
            }
        }
        // One period holds the grey's darkness to within one cell of 64.
        QVERIFY(std::abs(blackIn(grid, QRect(0, 0, 8, 8)) - (255 - grey) * 64.0 / 255.0) <= 1.0);
    }
};

QTEST_GUILESS_MAIN(TestImageConversion)
#include "tst_imageconversion.moc"
