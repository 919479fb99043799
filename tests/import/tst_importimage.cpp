// Decoding for import: every format at its natural size with the colours of the
// file, and every bad file refused without harm.
#include "ImageFiles.h"
#include "import/ImageLimits.h"
#include "import/ImportCells.h"
#include "import/ImportImage.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kPattern = {
    "X.G.XX.",
    ".X.X..X",
    "XX...GX",
};

// The decoded image as a picture string: 'X' where a pixel is pure black, '.' elsewhere.
QStringList blackPixels(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += isPureBlack(image.pixel(x, y)) ? u'X' : u'.';
        rows << row;
    }
    return rows;
}

// What import must see in a picture: only 'X' is black.
QStringList onlyBlack(QStringList rows)
{
    for (QString& row : rows)
        for (QChar& c : row)
            c = c == u'X' ? u'X' : u'.';
    return rows;
}

QStringList withoutGrey(QStringList rows)
{
    for (QString& row : rows)
        row.replace(u'G', u'.');
    return rows;
}

}  // namespace

class TestImportImage : public QObject {
    Q_OBJECT
private slots:
    void decodesAtNaturalSizeWithTheFilesColours_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("black");
        const QStringList icon = {"X.TX", "T..X", "XXT."};
        QTest::newRow("BMP 1 bit") << bitmapFile(withoutGrey(kPattern), 1) << onlyBlack(kPattern);
        QTest::newRow("BMP 4 bits") << bitmapFile(kPattern, 4) << onlyBlack(kPattern);
        QTest::newRow("BMP 8 bits") << bitmapFile(kPattern, 8) << onlyBlack(kPattern);
        QTest::newRow("BMP 16 bits") << bitmapFile(kPattern, 16) << onlyBlack(kPattern);
        QTest::newRow("BMP 24 bits") << bitmapFile(kPattern, 24) << onlyBlack(kPattern);
        QTest::newRow("BMP 32 bits") << bitmapFile(kPattern, 32) << onlyBlack(kPattern);
        QTest::newRow("RLE8") << bitmapFile(kPattern, 8, BitmapCompression::Rle8) << onlyBlack(kPattern);
        QTest::newRow("RLE4") << bitmapFile(kPattern, 4, BitmapCompression::Rle4) << onlyBlack(kPattern);
        QTest::newRow("BMP by Qt") << qtImageFile(pictureImage(kPattern), "BMP") << onlyBlack(kPattern);
        QTest::newRow("PNG") << qtImageFile(pictureImage(kPattern), "PNG") << onlyBlack(kPattern);
        QTest::newRow("PNG transparent") << qtImageFile(pictureImage(icon), "PNG") << onlyBlack(icon);
        QTest::newRow("GIF transparent") << gifFile(kPattern + QStringList{"TTXX..."}) << onlyBlack(kPattern + QStringList{"TTXX..."});
        QTest::newRow("GIF first frame") << gifFile(kPattern, 2) << onlyBlack(kPattern);
        QTest::newRow("ICO 8 bits masked") << iconFile({{icon, 8}}) << onlyBlack(icon);
        QTest::newRow("ICO 24 bits masked") << iconFile({{icon, 24}}) << onlyBlack(icon);
        QTest::newRow("ICO 32 bits alpha") << iconFile({{{"XH.T", "T.HX"}, 32}}) << QStringList{"X...", "...X"};
        QTest::newRow("ICO largest image")
            << iconFile({{{"X."}, 24}, {icon, 24}, {{"XX", "XX"}, 24}}) << onlyBlack(icon);
        // libwmf fills a rectangle's right and bottom edges too.
        QTest::newRow("WMF") << wmfFile(6, 4, 1, 1, 3, 2, false) << QStringList{"......", ".XXX..", ".XXX..", "......"};
        QTest::newRow("WMF own window")
            << wmfFile(6, 4, 1, 1, 3, 2, true) << QStringList{"......", ".XXX..", ".XXX..", "......"};
        // The player's fills cost their whole size: this one is cut down to what can show.
        QTest::newRow("WMF fill far past its frame")
            << wmfFile(6, 4, -9000, -9000, 9000, 9000, false) << QStringList{"XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX"};
        // Without the placeable header a unit is a point, 4 / 3 pixel: a window of 9 x 6
        // units is 12 x 8 pixels, and units 3 to 6 across are pixels 4 to 8.
        const QStringList plainInWindow = {
            "....XXXXX...", "....XXXXX...", "....XXXXX...", "....XXXXX...",
            "....XXXXX...", "............", "............", "............",
        };
        QTest::newRow("WMF plain, own window")
            << plainWmfFile({QRect(QPoint(3, 0), QPoint(6, 3))}, QRect(0, 0, 9, 6)) << plainInWindow;
        QTest::newRow("WMF plain, window moved")
            << plainWmfFile({QRect(QPoint(23, 10), QPoint(26, 13))}, QRect(20, 10, 9, 6)) << plainInWindow;
        QTest::newRow("WMF plain, anisotropic window")
            << plainWmfFile({QRect(QPoint(23, 10), QPoint(26, 13))}, QRect(20, 10, 9, 6), true) << plainInWindow;
        // A negative extent turns the axis over: y counts up from the window's bottom.
        QTest::newRow("WMF plain, window upside down")
            << plainWmfFile({QRect(QPoint(3, 0), QPoint(6, 3))}, QRect(0, 6, 9, -6))
            << QStringList{
                   "............", "............", "............", "............",
                   "....XXXXX...", "....XXXXX...", "....XXXXX...", "....XXXXX...",
               };
        // Without a window the frame is what is drawn, half the pen's width (one unit,
        // even for the null pen) around it: 10 x 10 units from (29.5, 29.5).
        QTest::newRow("WMF plain, no window")
            << plainWmfFile({QRect(QPoint(30, 30), QPoint(33, 33)), QRect(QPoint(36, 36), QPoint(39, 39))})
            << QStringList{
                   "XXXXX........", "XXXXX........", "XXXXX........", "XXXXX........", "XXXXX........",
                   ".............", ".............", ".............", "........XXXXX", "........XXXXX",
                   "........XXXXX", "........XXXXX", "........XXXXX",
               };
    }
    void decodesAtNaturalSizeWithTheFilesColours()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, black);
        const std::optional<QImage> image = decodeImportImage(file);
        QVERIFY(image);
        QCOMPARE(blackPixels(*image).join(u'\n'), black.join(u'\n'));
    }

    // Lossy compression moves dark pixels off exact black: a dark-grey photo gives no cell.
    void jpegDarkPixelsAreNotBlack()
    {
        QImage dark(64, 48, QImage::Format_RGB32);
        dark.fill(qRgb(12, 12, 12));
        for (int x = 0; x < dark.width(); x += 3)
            dark.setPixel(x, x % dark.height(), qRgb(2, 2, 2));
        const std::optional<QImage> image = decodeImportImage(qtImageFile(dark, "JPEG", 90));
        QVERIFY(image);
        QCOMPARE(image->size(), dark.size());
        int cells = 0;
        forEachBlackCell(*image, [&cells](int, int) { ++cells; });
        QCOMPARE(cells, 0);
    }

    void contentDecidesNotTheName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("photo.bmp");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(qtImageFile(pictureImage(kPattern), "JPEG", 100));
        file.close();
        const std::optional<QImage> image = loadImportImage(path);
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(7, 3));
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray bitmap = bitmapFile(kPattern, 24);
        const QByteArray rle = bitmapFile(kPattern, 8, BitmapCompression::Rle8);
        const QByteArray png = qtImageFile(pictureImage(kPattern), "PNG");
        const QByteArray jpeg = qtImageFile(pictureImage(kPattern), "JPEG");
        QByteArray hugeBitmap = bitmapFile({"X"}, 24);
        hugeBitmap.replace(18, 8, QByteArray::fromHex("60ea000060ea0000"));  // 60000 x 60000
        QByteArray hugeGif = gifFile({"X"});
        hugeGif.replace(6, 4, QByteArray::fromHex("60ea60ea"));
        QByteArray wmfCut = wmfFile(6, 4, 1, 1, 3, 2, false);
        wmfCut.chop(6);  // no end record
        QByteArray wmfPlainCut = plainWmfFile({QRect(1, 1, 3, 3)}, QRect(0, 0, 6, 6));
        wmfPlainCut.chop(6);
        QByteArray wmfPlainVersion = plainWmfFile({QRect(1, 1, 3, 3)});
        wmfPlainVersion[4] = 2;  // version 0x0302
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("just some words, not a picture\n");
        QTest::newRow("BMP header only") << bitmap.left(54);
        QTest::newRow("BMP cut in the pixels") << bitmap.left(bitmap.size() - 4);
        QTest::newRow("RLE8 cut in its last row") << rle.left(rle.size() - 5);
        QTest::newRow("BMP 60000 x 60000") << hugeBitmap;
        QTest::newRow("PNG 60000 x 60000") << withClaimedSize(png, 60000, 60000);
        QTest::newRow("PNG over the pixel limit") << withClaimedSize(png, 9000, 9000);
        QTest::newRow("JPEG 60000 x 60000") << withClaimedSize(jpeg, 60000, 60000);
        QTest::newRow("GIF 60000 x 60000") << hugeGif;
        QTest::newRow("JPEG cut") << jpeg.left(20);
        QByteArray hugeIcon = iconFile({{{"X"}, 24}});
        hugeIcon.replace(6, 2, QByteArray(2, '\0'));                         // 0: see the bitmap header
        hugeIcon.replace(22 + 4, 8, QByteArray::fromHex("60ea0000c0d40100"));  // 60000 x 2 * 60000
        QTest::newRow("ICO 60000 x 60000") << hugeIcon;
        QTest::newRow("ICO cut") << iconFile({{{"X.", ".X"}, 24}}).left(40);
        QTest::newRow("WMF without end record") << wmfCut;
        QTest::newRow("WMF plain without end record") << wmfPlainCut;
        QTest::newRow("WMF plain of an unknown version") << wmfPlainVersion;
        QTest::newRow("WMF plain drawing nothing") << plainWmfFile({});
        QTest::newRow("WMF plain, anisotropic without a window") << plainWmfFile({QRect(1, 1, 3, 3)}, {}, true);
        QTest::newRow("WMF plain, window over the size limit")
            << plainWmfFile({QRect(1, 1, 3, 3)}, QRect(0, 0, 9000, 6));
        QTest::newRow("WMF plain, drawing over the size limit")
            << plainWmfFile({QRect(QPoint(-9000, 0), QPoint(9000, 10))});
    }
    void badFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!decodeImportImage(file));
    }

    void missingFileIsRefused()
    {
        QTemporaryDir dir;
        QVERIFY(!loadImportImage(dir.filePath("nothing-here.bmp")));
    }

    // Files the fuzzer found troublesome: each decodes or is refused, never crashes,
    // and what decodes stays within the limits.
    void malformedCorpusIsHandled()
    {
        const QDir corpus(QStringLiteral(PIXORAM_SOURCE_DIR "/tests/import/corpus"));
        const QStringList names = corpus.entryList(QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            const std::optional<QImage> image = loadImportImage(corpus.filePath(name));
            if (image)
                QVERIFY2(imageSizeAcceptable(image->size()), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestImportImage)
#include "tst_importimage.moc"
