// Decoding for import: every format at its natural size with the colours of the
// file, and every bad file refused without harm.
#include "import/ImageLimits.h"
#include "import/ImportCells.h"
#include "import/ImportImage.h"

#include <QDir>
#include <QTest>

namespace {

const QString kData = QStringLiteral(PIXORAM_TESTDATA "/import/");

// One row per file of the folder, named after the file; notes and expected pictures are no rows.
void addFileRows(const QString& folder)
{
    QTest::addColumn<QString>("path");
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        if (file.suffix() != QLatin1String("txt") && file.suffix() != QLatin1String("md"))
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }
}

// The decoded image as a picture: 'X' where a pixel is pure black, '.' elsewhere.
QString blackPixels(const QImage& image)
{
    QString rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            rows += isPureBlack(image.pixel(x, y)) ? u'X' : u'.';
        rows += u'\n';
    }
    return rows;
}

}  // namespace

class TestImportImage : public QObject {
    Q_OBJECT
private slots:
    // Each file beside a picture of the pure black pixels it holds: the content decides
    // the format, not the name (a JPEG named .bmp); near-black, grey, transparent and
    // half-opaque pixels are not black.
    void decodesAtNaturalSizeWithTheFilesColours_data() { addFileRows(kData + QStringLiteral("decoded")); }
    void decodesAtNaturalSizeWithTheFilesColours()
    {
        QFETCH(QString, path);
        QFile expected(QFileInfo(path).path() + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const std::optional<QImage> image = loadImportImage(path);
        QVERIFY(image);
        QCOMPARE(blackPixels(*image), QString::fromLatin1(expected.readAll()));
    }

    // Cut, oversized, empty or meaningless files, and a file that is not there.
    void badFilesAreRefused_data()
    {
        addFileRows(kData + QStringLiteral("refused"));
        QTest::newRow("missing") << kData + QStringLiteral("nothing-here.bmp");
    }
    void badFilesAreRefused()
    {
        QFETCH(QString, path);
        QVERIFY(!loadImportImage(path));
    }

    // Files the fuzzer found troublesome: each decodes or is refused, never crashes,
    // and what decodes stays within the limits.
    void malformedFilesAreHandled_data() { addFileRows(QStringLiteral(PIXORAM_SOURCE_DIR "/tests/import/corpus")); }
    void malformedFilesAreHandled()
    {
        QFETCH(QString, path);
        const std::optional<QImage> image = loadImportImage(path);
        QVERIFY(!image || imageSizeAcceptable(image->size()));
    }
};

QTEST_GUILESS_MAIN(TestImportImage)
#include "tst_importimage.moc"
