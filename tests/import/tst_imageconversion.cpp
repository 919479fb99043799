// The image conversion: grey levels, scaling, rotation and the three black-and-white methods.
#include "import/ImageConversion.h"

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

int blackIn(const PictureGrid& grid, const QRect& block)
{
    int count = 0;
    for (int y = block.top(); y <= block.bottom(); ++y) {
        for (int x = block.left(); x <= block.right(); ++x)
            count += grid.isSet(x, y) ? 1 : 0;
    }
    return count;
}

}  // namespace

class TestImageConversion : public QObject {
    Q_OBJECT
private slots:
    // A transparent image is seen over white; an opaque one takes the plain 32-bit way.
    void thresholdIsLuminanceOverWhiteBelowLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QRgb>("tint");  // each channel of a gradient pixel scaled by this colour, alpha as it is
        for (int level : {0, 1, 64, 128, 200, 255})
            QTest::newRow(qPrintable(QStringLiteral("grey, level %1").arg(level))) << level << qRgb(255, 255, 255);
        QTest::newRow("red and green, level 100") << 100 << qRgb(255, 128, 0);
        QTest::newRow("blue, level 30") << 30 << qRgb(0, 0, 255);
        QTest::newRow("transparent, level 255") << 255 << qRgba(255, 255, 255, 0);
        QTest::newRow("grey at 40%, level 200") << 200 << qRgba(255, 255, 255, 102);
        QTest::newRow("orange at 60%, level 128") << 128 << qRgba(255, 128, 0, 153);
    }
    void thresholdIsLuminanceOverWhiteBelowLevel()
    {
        QFETCH(int, level);
        QFETCH(QRgb, tint);
        // Every grey level several times, in a picture of exactly the grid's size.
        const auto channel = [](int x, int y, int scale) { return (x + 3 * y) % 256 * scale / 255; };
        QImage image(kColumns, kRows, qAlpha(tint) == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                image.setPixel(x, y, qRgba(channel(x, y, qRed(tint)), channel(x, y, qGreen(tint)),
                                           channel(x, y, qBlue(tint)), qAlpha(tint)));
            }
        }
        ConversionOptions options;
        options.level = level;
        const PictureGrid grid = convertImage(image, options);
        const double alpha = qAlpha(tint) / 255.0;
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const double opaque = (299.0 * qRed(pixel) + 587.0 * qGreen(pixel) + 114.0 * qBlue(pixel)) / 1000.0;
                const double luminance = opaque * alpha + 255.0 * (1.0 - alpha);
                QVERIFY2(grid.isSet(x, y) == (luminance < level), qPrintable(QStringLiteral("cell %1, %2").arg(x).arg(y)));
            }
        }
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

    void rotationTurnsClockwise_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("size");
        const QStringList sizes = {"Fit", "Fill", "Stretch", "Natural"};  // in SizeMode's order
        for (int degrees : {90, 180, 270}) {
            for (int size = 0; size < sizes.size(); ++size)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(degrees).arg(sizes[size]))) << degrees << size;
        }
    }
    void rotationTurnsClockwise()
    {
        QFETCH(int, degrees);
        QFETCH(int, size);
        // Neither a whole multiple nor a whole fraction of the cells, so that every span has parts.
        QRandomGenerator random(degrees + size);
        const QImage image = greyImage(317, 251, [&random](int, int) { return int(random.bounded(256)); });
        ConversionOptions options;
        options.rotation = degrees;
        options.size = SizeMode(size);
        ConversionOptions unturned;
        unturned.size = options.size;
        // Qt turns by multiples of 90 degrees pixel for pixel, clockwise for positive angles.
        const GreyCells turned = greyCells(image, options);
        const GreyCells expected = greyCells(image.transformed(QTransform().rotate(degrees)), unturned);
        QVERIFY(turned.covered == expected.covered);
        for (size_t i = 0; i < turned.level.size(); ++i)
            QVERIFY2(std::abs(turned.level[i] - expected.level[i]) < 1e-3f, qPrintable(QString::number(i)));
    }

    // Both dithers keep a flat grey's darkness in every block of 16 x 16 cells; the ordered
    // one repeats every eight cells, each period holding the darkness in 64ths, rounded.
    void ditherKeepsTheDarknessOfEveryBlock_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("grey");
        for (int grey : {0, 20, 64, 100, 128, 160, 200, 240, 255})
            QTest::newRow(qPrintable(QStringLiteral("Floyd-Steinberg, %1").arg(grey))) << int(BlackWhiteMethod::FloydSteinberg) << grey;
        for (int grey = 0; grey <= 255; ++grey)
            QTest::newRow(qPrintable(QStringLiteral("ordered, %1").arg(grey))) << int(BlackWhiteMethod::Ordered) << grey;
    }
    void ditherKeepsTheDarknessOfEveryBlock()
    {
        QFETCH(int, method);
        QFETCH(int, grey);
        ConversionOptions options;
        options.method = BlackWhiteMethod(method);
        const PictureGrid grid = convertImage(greyImage(kColumns, kRows, [grey](int, int) { return grey; }), options);
        const double darkness = (255 - grey) / 255.0;
        for (int top = 0; top + 16 <= kRows; top += 16) {
            for (int left = 0; left + 16 <= kColumns; left += 16) {
                const double fraction = blackIn(grid, QRect(left, top, 16, 16)) / 256.0;
                QVERIFY2(std::abs(fraction - darkness) <= 0.03,
                         qPrintable(QStringLiteral("block at %1, %2: %3").arg(left).arg(top).arg(fraction)));
            }
        }
        if (options.method != BlackWhiteMethod::Ordered)
            return;
        QCOMPARE(blackIn(grid, QRect(0, 0, 8, 8)), qRound(darkness * 64.0));
        for (int y = 0; y + 8 < kRows; ++y) {
            for (int x = 0; x + 8 < kColumns; ++x)
                QVERIFY(grid.isSet(x, y) == grid.isSet(x + 8, y) && grid.isSet(x, y) == grid.isSet(x, y + 8));
        }
    }
};

QTEST_GUILESS_MAIN(TestImageConversion)
#include "tst_imageconversion.moc"
