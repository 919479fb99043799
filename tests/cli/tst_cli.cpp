// pixoram-cli as scripts use it: conversions checked against the editor's own reading and conversion, round
// trips, info, bad input and bad usage; snap and send against the virtual calculator, their failures included.
#include "VirtualCalc.h"
#include "cli/OutputFile.h"
#include "files/PictureKind.h"
#include "import/ImageConversion.h"
#include "import/ImportImage.h"
#include "link/CalcVariable.h"
#include "link/PictureFile.h"
#include "link/PictureVariableData.h"
#include "support/DataTable.h"
#include "support/RandomGrid.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct CliRun {
    int status = -1;  // also when it crashed or hung
    QByteArray out;
    QByteArray err;
};

// Runs the built pixoram-cli as a script would: no display, no Qt platform.
CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PIXORAM_CLI_PATH), arguments);
    // A generous bound: a hang fails the test instead of stopping the suite.
    if (!process.waitForFinished(60000))
        process.kill();
    process.waitForFinished();
    const bool ended = process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture file as the editor writes it.
bool writeEditorFile(const QString& path, CalcKind kind, const PictureGrid& grid)
{
    CalcVariable variable;
    variable.SetName(QStringLiteral("main\\picture"));
    variable.SetPicture(pictureImage(grid));
    variable.SetFileName(path);
    return CalcModel(kind).WriteFile(variable).ok();
}

// What the editor reads from a file: a picture file through its kind's model object, an image through import.
QImage editorReading(const QString& path)
{
    CalcVariable variable;
    variable.SetFileName(path);
    if (const std::optional<CalcKind> kind = pictureKindOfPath(path))
        return CalcModel(*kind).ReadFile(variable).ok() ? variable.GetPicture() : QImage();
    return loadImportImage(path).value_or(QImage()).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Arguments split at spaces, {dir} the scratch folder, {data} the test data.
    QStringList arguments(QString text) const
    {
        return text.replace("{dir}", dir_.path()).replace("{data}", PIXORAM_TESTDATA).split(' ', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        // Noise, so that scaling and dithering both matter.
        QImage photo(400, 300, QImage::Format_RGB32);
        QRandomGenerator random(1);
        for (int y = 0; y < photo.height(); ++y) {
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, random.generate());
        }
        QVERIFY(photo.save(path("photo.png")));
        QVERIFY(writeEditorFile(path("editor.9xi"), CalcKind::TI92Plus, randomGrid(5)));
        for (const char* old : {"old.9xi", "old.png", "old.pbm", "old.bmp"}) {
            QFile file(path(old));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("the user's old file") == 19);
        }
        // Bad input that cannot be committed.
        QCOMPARE(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
        QFile sparse(path("sparse.png"));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30));
    }

    void convertsAsTheEditorDoes_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<ConversionOptions>("conversion");
        QTest::newRow("picture file") << "editor.9xi" << "b.bmp" << QStringList() << ConversionOptions();
        QTest::newRow("fill, turned, inverted, level 90") << "photo.png" << "c.png"
            << QStringList{"--size", "fill", "--rotate", "90", "--invert", "--threshold", "90"}
            << ConversionOptions{.size = SizeMode::Fill, .level = 90, .invert = true, .rotation = 90, .area = {}};
        QTest::newRow("stretch, error diffusion, brightness, contrast")
            << "photo.png" << "d.bmp"
            << QStringList{"--size", "stretch", "--dither", "floyd-steinberg", "--brightness", "20", "--contrast", "-30"}
            << ConversionOptions{.size = SizeMode::Stretch, .method = BlackWhiteMethod::FloydSteinberg,
                                 .brightness = 20, .contrast = -30, .area = {}};
        QTest::newRow("into a TI-89's 159 x 77: natural, ordered, turned back")
            << "photo.png" << "e.89i" << QStringList{"--size", "natural", "--dither", "ordered", "--rotate", "270"}
            << ConversionOptions{.size = SizeMode::Natural, .method = BlackWhiteMethod::Ordered, .rotation = 270,
                                 .area = kTI89PictureArea};
        QTest::newRow("into a v2i file") << "photo.png" << "f.v2i" << QStringList() << ConversionOptions();
    }
    void convertsAsTheEditorDoes()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QStringList, options);
        QFETCH(ConversionOptions, conversion);
        const CliRun run = runCli(QStringList{"convert", path(input), path(output)} + options);
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out, QFile::encodeName(path(input) + " -> " + path(output)) + '\n');
        const QImage expected = pictureImage(convertImage(editorReading(path(input)), conversion));
        QCOMPARE(editorReading(path(output)), expected.copy(0, 0, conversion.area.columns, conversion.area.rows));
    }

    void roundTripsAreExact_data() { addTableRows(PIXORAM_TESTDATA "/cli/round-trips.tsv"); }
    void roundTripsAreExact()
    {
        QFETCH(QStringList, row);  // the picture file, the image between
        const QString start = path(row[0]), middle = path(row[1]), end = path("end." + QFileInfo(start).suffix());
        QVERIFY(writeEditorFile(start, *pictureKindOfPath(start), randomGrid(qHash(row.join(' ')))));
        QCOMPARE(runCli({"convert", "--quiet", start, middle}).status, 0);
        QCOMPARE(runCli({"convert", "--quiet", middle, end}).status, 0);
        QCOMPARE(readBytes(end), readBytes(start));
    }

    void failuresKeepTheOldFiles_data() { addTableRows(PIXORAM_TESTDATA "/cli/failures.tsv"); }
    void failuresKeepTheOldFiles()
    {
        QFETCH(QStringList, row);  // arguments, status, the path a failed file's message names, then written files
        const QStringList written = arguments(row.value(3));
        const CliRun run = runCli(arguments(row[0]));
        QCOMPARE(run.status, row[1].toInt());
        QCOMPARE(run.out.count('\n'), written.size());  // a line for each file written
        for (const QString& file : written)
            QVERIFY2(QFile::exists(file), qPrintable(file));
        if (run.status == 2) {
            QVERIFY(run.err.startsWith("pixoram-cli: ") && run.err.contains("usage: pixoram-cli"));
        } else {
            // One line: "pixoram-cli: PATH: reason".
            const QByteArray prefix = "pixoram-cli: " + QFile::encodeName(arguments(row[2]).value(0)) + ": ";
            QVERIFY2(run.err.startsWith(prefix) && run.err.size() > prefix.size() + 1 && run.err.count('\n') == 1,
                     run.err.constData());
        }
        for (const char* old : {"old.9xi", "old.png", "old.pbm", "old.bmp"})
            QCOMPARE(readBytes(path(old)), QByteArray("the user's old file"));
    }

    // A damaged file is still described; a TI-89 file too, known by its start without an extension.
    void infoTellsWhatFilesHold()
    {
        QVERIFY(QFile::copy(QStringLiteral(PIXORAM_TESTDATA "/real/cst__splash.89i"), path("splash")));
        const CliRun run = runCli({"info", "--json", path("editor.9xi"), path("missing.9xi"),
                                   PIXORAM_TESTDATA "/cli/checksum.9xi", path("splash")});
        QCOMPARE(run.status, 1);
        const QJsonArray files = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(files.size(), 3);
        const PictureGrid grid = randomGrid(5);
        int black = 0;
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x)
                black += grid.isSet(x, y) ? 1 : 0;
        }
        QCOMPARE(files[0].toObject(), (QJsonObject{{"path", path("editor.9xi")}, {"kind", "9xi"}, {"folder", "main"},
                                                   {"comment", "Picture file made with Pixoram"}, {"width", kColumns},
                                                   {"variable", "picture"}, {"height", kRows}, {"checksum_ok", true},
                                                   {"black_cells", black}}));
        QCOMPARE(files[1].toObject().value("checksum_ok"), QJsonValue(false));
        const QJsonObject splash = files[2].toObject();
        QCOMPARE(splash["kind"].toString() + ' ' + splash["variable"].toString(), QStringLiteral("89i splash"));
        QCOMPARE(QSize(splash["width"].toInt(), splash["height"].toInt()), QSize(159, 77));
    }

    void linkCommands_data() { addTableRows(PIXORAM_TESTDATA "/cli/link.tsv"); }
    void linkCommands()
    {
        QFETCH(QStringList, row);  // arguments, the calculator's options, status, what the result equals, stored name
        if (!qEnvironmentVariableIsSet("PIXORAM_VIRTUAL_LINK"))
            QSKIP("needs the virtual link, one per machine: CTest runs it alone, as tst_clilink");
        std::optional<VirtualCalc> far;
        if (row.value(1) == "none")
            VirtualCalc::cleanLink();
        else
            QVERIFY(far.emplace(arguments(row[1])).isReady());
        QFile::remove(path("out.pbm"));
        const CliRun run = runCli(arguments(row[0]));
        QCOMPARE(run.status, row.value(2).toInt());
        if (run.status == 3) {
            QVERIFY2(run.err.startsWith("pixoram-cli: link: ") && run.err.size() > 25 && run.err.count('\n') == 1,
                     run.err.constData());
            QVERIFY(!QFile::exists(path("out.pbm")));
        } else if (row[0].startsWith("snap")) {
            QCOMPARE(readBytes(path("out.pbm")), readBytes(PIXORAM_TESTDATA "/" + row.value(3)));
        } else {
            QCOMPARE(far->storedName(), row.value(4).toLatin1());
            if (!row.value(3).isEmpty())
                QCOMPARE(far->storedData(), readBytes(PIXORAM_TESTDATA "/" + row[3]));
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
