// pixoram-cli as scripts use it: conversions checked cell by cell against the
// editor's own reading and conversion, round trips, bad input and bad usage.
#include "CliRun.h"

#include "cli/OutputFile.h"
#include "import/ImportImage.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "link/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

std::optional<CalcKind> calcKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("92i"))
        return CalcKind::TI92;
    if (suffix == QLatin1String("9xi"))
        return CalcKind::TI92Plus;
    if (suffix == QLatin1String("v2i"))
        return CalcKind::Voyage200;
    if (suffix == QLatin1String("89i"))
        return CalcKind::TI89;
    const QByteArray start = readBytes(path).left(8);
    if (start == "**TI92**")
        return CalcKind::TI92;
    if (start == "**TI92P*")
        return CalcKind::TI92Plus;
    if (start == "**TI89**")
        return CalcKind::TI89;
    return std::nullopt;
}

// What the editor reads from the file: a picture through Open (its kind's model
// object, from a copy under the kind's extension), an image through import.
std::optional<QImage> editorPicture(const QString& path, const QDir& scratch)
{
    const std::optional<CalcKind> kind = calcKindOf(path);
    if (!kind)
        return loadImportImage(path);
    const QString copy = scratch.filePath(QStringLiteral("editor-copy.") + pictureFileExtension(*kind));
    QFile::remove(copy);
    QFile::copy(path, copy);
    CalcVariable variable;
    variable.SetFileName(copy);
    if (!CalcModel(*kind).ReadFile(variable).ok())
        return std::nullopt;
    return variable.GetPicture();
}

QImage randomImage(int width, int height, quint32 seed, bool alpha)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Smooth shapes plus noise, so that scaling and dithering both matter.
            const int grey = std::clamp(int(127 + 100 * std::sin(x / 17.0) * std::cos(y / 11.0)) + int(random.bounded(40)) - 20, 0, 255);
            image.setPixel(x, y, qRgba(grey, 255 - grey, grey / 2, alpha ? int(random.bounded(256)) : 255));
        }
    }
    return image;
}

PictureGrid randomGrid(quint32 seed)
{
    QRandomGenerator random(seed);
    PictureGrid grid;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x)
            grid.setCell(x, y, int16_t(random.bounded(2)));
    }
    return grid;
}

// The one stderr line of a failed file: "pixoram-cli: PATH: reason".
QString failureProblem(const CliRun& run, const QString& path)
{
    const QList<QByteArray> lines = run.errorLines();
    const QByteArray prefix = "pixoram-cli: " + QFile::encodeName(path) + ": ";
    if (lines.size() != 1 || !lines[0].startsWith(prefix) || lines[0].size() <= prefix.size())
        return QStringLiteral("stderr is not one line naming %1: %2").arg(path, QString::fromLocal8Bit(run.err));
    return {};
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QVERIFY(randomImage(400, 300, 1, false).save(path("photo.png")));
        QVERIFY(randomImage(130, 260, 2, true).save(path("tall-transparent.png")));
        QVERIFY(randomImage(640, 480, 3, false).save(path("photo.jpg"), "jpeg", 90));
        QVERIFY(randomImage(31, 17, 4, false).save(path("small.bmp")));
        CalcVariable variable;
        variable.SetName(QStringLiteral("main\\picture"));
        variable.SetPicture(pictureImage(randomGrid(5)));
        variable.SetFileName(path("editor.9xi"));
        QVERIFY(CalcModel(CalcKind::TI92Plus).WriteFile(variable).ok());
        writeBytes(path("no-extension"), readBytes(path("editor.9xi")));
    }

    void convertsAsTheEditorDoes_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<ConversionOptions>("conversion");
        const ConversionOptions defaults;
        for (const QString& folder : {QStringLiteral(PIXORAM_SOURCE_DIR "/tests/import/corpus"),
                                      QStringLiteral(PIXORAM_SOURCE_DIR "/fuzz/seeds"), QStringLiteral(PIXORAM_TESTDATA "/real")}) {
            for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
                if (file.suffix() != QLatin1String("md"))
                    QTest::newRow(qPrintable(file.dir().dirName() + QLatin1Char('/') + file.fileName())) << file.filePath() << QStringList() << defaults;
            }
        }
        for (const char* name : {"photo.png", "tall-transparent.png", "photo.jpg", "small.bmp", "editor.9xi", "no-extension"})
            QTest::newRow(name) << path(QString::fromLatin1(name)) << QStringList() << defaults;

        ConversionOptions fill;
        fill.size = SizeMode::Fill;
        fill.rotation = 90;
        fill.invert = true;
        fill.level = 90;
        QTest::newRow("fill, turned, inverted, level 90")
            << path("photo.jpg") << QStringList{"--size", "fill", "--rotate", "90", "--invert", "--threshold", "90"} << fill;
        ConversionOptions diffused;
        diffused.size = SizeMode::Stretch;
        diffused.method = BlackWhiteMethod::FloydSteinberg;
        diffused.brightness = 20;
        diffused.contrast = -30;
        QTest::newRow("stretch, error diffusion, brightness, contrast")
            << path("tall-transparent.png")
            << QStringList{"--size", "stretch", "--dither", "floyd-steinberg", "--brightness", "20", "--contrast", "-30"}
            << diffused;
        ConversionOptions ordered;
        ordered.size = SizeMode::Natural;
        ordered.method = BlackWhiteMethod::Ordered;
        ordered.rotation = 270;
        QTest::newRow("natural, ordered, turned back")
            << path("photo.png") << QStringList{"--size", "natural", "--dither", "ordered", "--rotate", "270"} << ordered;
    }
    void convertsAsTheEditorDoes()
    {
        QFETCH(QString, input);
        QFETCH(QStringList, options);
        QFETCH(ConversionOptions, conversion);
        const QString output = path("converted.png");
        QFile::remove(output);
        const CliRun run = runCli(QStringList{"convert", input, output} + options);
        const std::optional<QImage> expected = editorPicture(input, QDir(dir_.path()));
        if (!expected) {
            QCOMPARE(run.status, 1);
            const QString problem = failureProblem(run, input);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            QVERIFY(!QFile::exists(output));
            return;
        }
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        const QImage written(output);
        QCOMPARE(written.size(), QSize(kColumns, kRows));
        QVERIFY(cellsOfImage(written) == convertImage(*expected, conversion));
    }

    void roundTripsAreExact_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("image");
        for (const char* kind : {"92i", "9xi", "v2i"}) {
            for (const char* image : {"png", "bmp"})
                QTest::newRow(qPrintable(QStringLiteral("%1 -> %2 -> %1").arg(kind, image))) << kind << image;
        }
    }
    void roundTripsAreExact()
    {
        QFETCH(QString, kind);
        QFETCH(QString, image);
        // The editor's own file, written by the model object, is the start.
        const QString start = path("start." + kind);
        CalcVariable variable;
        variable.SetName(QStringLiteral("main\\picture"));
        variable.SetPicture(pictureImage(randomGrid(kind.size() + image.size())));
        variable.SetFileName(start);
        QVERIFY(CalcModel(kind == "92i" ? CalcKind::TI92 : kind == "9xi" ? CalcKind::TI92Plus : CalcKind::Voyage200)
                    .WriteFile(variable)
                    .ok());
        const QString middle = path("middle." + image);
        const QString end = path("end." + kind);
        QCOMPARE(runCli({"convert", "--quiet", start, middle}).status, 0);
        QCOMPARE(runCli({"convert", "--quiet", middle, end}).status, 0);
        QCOMPARE(readBytes(end), readBytes(start));
    }

    void batchConvertsEachInputAndGoesOnPastFailures()
    {
        QDir(dir_.path()).mkdir("batch");
        const QString missing = path("missing.png");
        const CliRun run = runCli({"convert", path("photo.png"), missing, path("small.bmp"), "-o", path("batch"), "--kind", "v2i"});
        QCOMPARE(run.status, 1);
        const QString problem = failureProblem(run, missing);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(QDir(path("batch")).entryList(QDir::Files), (QStringList{"photo.v2i", "small.v2i"}));
        QCOMPARE(run.out.count('\n'), 2);
        QCOMPARE(runCli({"convert", "-q", path("photo.png"), "-o", path("batch")}).out, QByteArray());
        QVERIFY(QFile::exists(path("batch/photo.9xi")));
    }

    void badInputFailsAndKeepsTheOldOutput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("missing") << path("nothing-here.png") << "out.9xi";
        QTest::newRow("folder") << dir_.path() << "out.png";
        QTest::newRow("fifo") << path("fifo") << "out.png";
        QTest::newRow("/dev/zero") << "/dev/zero" << "out.9xi";
        QTest::newRow("2 GB sparse file") << path("sparse.png") << "out.pbm";
        QTest::newRow("text") << path("text.png") << "out.bmp";
        QTest::newRow("truncated picture file") << path("truncated.9xi") << "out.png";
        QTest::newRow("wrong checksum") << path("checksum.9xi") << "out.png";
    }
    void badInputFailsAndKeepsTheOldOutput()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        mkfifo(QFile::encodeName(path("fifo")).constData(), 0600);
        QFile sparse(path("sparse.png"));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30));
        sparse.close();
        writeBytes(path("text.png"), "not an image\n");
        writeBytes(path("truncated.9xi"), readBytes(path("editor.9xi")).left(200));
        QByteArray damaged = readBytes(path("editor.9xi"));
        damaged[100] = char(damaged[100] ^ 0x10);
        writeBytes(path("checksum.9xi"), damaged);

        writeBytes(path(output), "the user's old file");
        const CliRun run = runCli({"convert", input, path(output)});
        QCOMPARE(run.status, 1);
        const QString problem = failureProblem(run, input);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(readBytes(path(output)), QByteArray("the user's old file"));
        QFile::remove(path("sparse.png"));
    }

    void badUsageShowsTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown command") << QStringList{"paint"};
        QTest::newRow("convert without output") << QStringList{"convert", "a.png"};
        QTest::newRow("threshold and dither") << QStringList{"convert", "a.png", "b.9xi", "--threshold", "9", "--dither", "ordered"};
        QTest::newRow("threshold out of range") << QStringList{"convert", "a.png", "b.9xi", "--threshold", "256"};
        QTest::newRow("unknown size") << QStringList{"convert", "a.png", "b.9xi", "--size", "huge"};
        QTest::newRow("unknown output format") << QStringList{"convert", "a.png", "b.tiff"};
        QTest::newRow("name starting with a digit") << QStringList{"convert", "a.png", "b.9xi", "--name", "main\\9pic"};
        QTest::newRow("full screen into a picture file") << QStringList{"snap", "s.9xi", "--rows", "full"};
        QTest::newRow("port 5") << QStringList{"send", "a.png", "--cable", "gray", "--port", "5"};
        QTest::newRow("unknown model") << QStringList{"snap", "s.png", "--model", "ti83"};
    }
    void badUsageShowsTheUsage()
    {
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.startsWith("pixoram-cli: "));
        QVERIFY(run.err.contains("usage: pixoram-cli"));
        QVERIFY(run.out.isEmpty());
    }

    void infoTellsWhatFilesHold()
    {
        QCOMPARE(runCli({"convert", "-q", path("photo.png"), path("named.v2i"), "--name", "abc\\def"}).status, 0);
        QByteArray damaged = readBytes(path("named.v2i"));
        damaged[3000] = char(damaged[3000] ^ 0x01);
        writeBytes(path("damaged.v2i"), damaged);
        const CliRun run = runCli({"info", "--json", path("named.v2i"), path("missing.9xi"), path("damaged.v2i")});
        QCOMPARE(run.status, 1);
        const QJsonArray files = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(files.size(), 2);
        const QImage picture = *editorPicture(path("named.v2i"), QDir(dir_.path()));
        int black = 0;
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kColumns; ++x)
                black += (picture.pixel(x, y) & 0x00FFFFFF) == 0;
        const QJsonObject named = files[0].toObject();
        QCOMPARE(named["path"].toString(), path("named.v2i"));
        QCOMPARE(named["kind"].toString(), "v2i");
        QCOMPARE(named["folder"].toString(), "abc");
        QCOMPARE(named["variable"].toString(), "def");
        QCOMPARE(named["comment"].toString(), QStringLiteral("Picture file made with Pixoram"));
        QCOMPARE(named["width"].toInt(), kColumns);
        QCOMPARE(named["height"].toInt(), kRows);
        QCOMPARE(named["checksum_ok"].toBool(), true);
        QCOMPARE(named["black_cells"].toInt(), black);
        QCOMPARE(files[1].toObject()["checksum_ok"].toBool(), false);
    }

    // Converting to 89i fits the image into the TI-89's 159 x 77; info tells such files,
    // a TI-89 file without its extension too.
    void ti89FilesFitAndAreDescribed()
    {
        QCOMPARE(runCli({"convert", "-q", path("photo.png"), path("photo.89i"), "--dither", "ordered"}).status, 0);
        QVERIFY(readBytes(path("photo.89i")).startsWith("**TI89**"));
        ConversionOptions fitted;
        fitted.method = BlackWhiteMethod::Ordered;
        fitted.area = kTI89PictureArea;
        const QImage expected = pictureImage(convertImage(*loadImportImage(path("photo.png")), fitted)).copy(0, 0, 159, 77);
        CalcVariable written;
        written.SetFileName(path("photo.89i"));
        QVERIFY(CalcModel(CalcKind::TI89).ReadFile(written).ok());
        QCOMPARE(written.GetPicture(), expected);

        QFile::copy(QStringLiteral(PIXORAM_TESTDATA "/real/cst__splash.89i"), path("splash"));
        const CliRun run = runCli({"info", "--json", path("photo.89i"), path("splash")});
        QCOMPARE(run.status, 0);
        const QJsonArray files = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(files.size(), 2);
        for (const QJsonValue& file : files) {
            QCOMPARE(file.toObject()["kind"].toString(), "89i");
            QCOMPARE(file.toObject()["width"].toInt(), 159);
            QCOMPARE(file.toObject()["height"].toInt(), 77);
        }
        QCOMPARE(files[1].toObject()["variable"].toString(), "splash");
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
