// pixoram-cli snap and send against the virtual calculator, its failures included.
#include "CliRun.h"
#include "VirtualCalc.h"

#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "link/PictureVariableData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kScreen = QStringLiteral(PIXORAM_TESTDATA "/link/linkguide__ti92+_screenshot.bin");

bool screenBit(const QByteArray& screen, int x, int y)
{
    return static_cast<uint8_t>(screen[y * 30 + x / 8]) & (0x80 >> (x % 8));
}

}  // namespace

class TestCliLink : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void snapWritesTheScreen_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("firstRow");  // the screen row of the output's top row
        QTest::addColumn<int>("rows");
        QTest::newRow("graph rows as PNG") << "graph.png" << QStringList() << 18 << kRows;
        QTest::newRow("graph rows as a picture file") << "graph.9xi" << QStringList() << 18 << kRows;
        QTest::newRow("full screen as raw PBM") << "full.pbm" << QStringList{"--rows", "full"} << 0 << 128;
    }
    void snapWritesTheScreen()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, options);
        QFETCH(int, firstRow);
        QFETCH(int, rows);
        VirtualCalc calculator({QStringLiteral("--screen"), kScreen});
        QVERIFY(calculator.isReady());
        const CliRun run = runCli(QStringList{"snap", path(output), "--cable", "emulator"} + options);
        QCOMPARE(run.status, 0);
        QImage written;
        if (output.endsWith(".9xi")) {
            const CliRun converted = runCli({"convert", "-q", path(output), path("back.png")});
            QCOMPARE(converted.status, 0);
            written = QImage(path("back.png"));
        } else {
            written = QImage(path(output));
        }
        QCOMPARE(written.size(), QSize(240, rows));
        const QByteArray screen = readBytes(kScreen);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < 240; ++x)
                QCOMPARE((written.pixel(x, y) & 0x00FFFFFF) == 0, screenBit(screen, x, y + firstRow));
        }
    }

    void sendStoresThePicture_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("an image under its --name") << QStringList{"--name", "abc\\def"} << QByteArray("abc\\def");
        QTest::newRow("an image under the default name") << QStringList() << QByteArray("main\\picture");
        QTest::newRow("a picture file under its own name") << QStringList{"--file-name"} << QByteArray("seng\\tbl");
    }
    void sendStoresThePicture()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, name);
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int i = 0; i < 200; ++i)
            image.setPixel(i, i, qRgb(0, 0, 0));
        QVERIFY(image.save(path("diagonal.png")));
        QString input = path("diagonal.png");
        if (options == QStringList{"--file-name"}) {
            input = QStringLiteral(PIXORAM_TESTDATA "/real/ti89archives__tbl.89i");
            options.clear();
        }
        QVERIFY(runCli({"convert", "-q", input, path("expected.png")}).status == 0);

        VirtualCalc calculator({});
        QVERIFY(calculator.isReady());
        const CliRun run = runCli(QStringList{"send", input, "--cable", "emulator"} + options);
        QCOMPARE(run.status, 0);
        QCOMPARE(calculator.storedName(), name);
        QCOMPARE(calculator.storedData(), encodePictureVariable(QImage(path("expected.png"))));
    }

    // --model ti89: the TI-89's graph area (rows 16 to 92, columns 0 to 158) lands top-left;
    // a TI-89 picture is sent as its 159 x 77 cells.
    void ti89SnapAndSend()
    {
        const QString screenFile = QStringLiteral(PIXORAM_TESTDATA "/link/linkguide__ti89_screenshot.bin");
        const QString picture = QStringLiteral(PIXORAM_TESTDATA "/real/ti89archives__tbl.89i");
        VirtualCalc calculator({QStringLiteral("--model"), QStringLiteral("ti89"), QStringLiteral("--screen"), screenFile});
        QVERIFY(calculator.isReady());
        QCOMPARE(runCli({"snap", path("ti89.png"), "--cable", "emulator", "--model", "ti89"}).status, 0);
        const QImage written(path("ti89.png"));
        QCOMPARE(written.size(), QSize(240, kRows));
        const QByteArray screen = readBytes(screenFile);
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < 240; ++x)
                QCOMPARE((written.pixel(x, y) & 0x00FFFFFF) == 0, x < 159 && y < 77 && screenBit(screen, x, y + 16));
        }

        QCOMPARE(runCli({"send", picture, "--cable", "emulator", "--model", "ti89"}).status, 0);
        CalcVariable original;
        original.SetFileName(picture);
        QVERIFY(CalcModel(CalcKind::TI89).ReadFile(original).ok());
        QString reason;
        const std::optional<QImage> stored = decodePictureVariable(calculator.storedData(), reason);
        QVERIFY2(stored, qPrintable(reason));
        QCOMPARE(*stored, original.GetPicture());
    }

    void linkFailuresEndWithStatusThree_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QStringList>("calculator");  // empty: none at the far end
        const QStringList snap{"snap", path("failed.png"), "--cable", "emulator"};
        const QStringList send{"send", path("diagonal.png"), "--cable", "emulator"};
        const QString misbehave = QStringLiteral("--misbehave");
        QTest::newRow("snap, no calculator") << snap << QStringList();
        QTest::newRow("snap, silent") << snap << QStringList{misbehave, "silent"};
        QTest::newRow("snap, dies") << snap << QStringList{misbehave, "die"};
        QTest::newRow("send, no calculator") << send << QStringList();
        QTest::newRow("send, refused") << send << QStringList{misbehave, "refuse"};
        QTest::newRow("send, no usb cable") << QStringList{"send", path("diagonal.png")} << QStringList{misbehave, "silent"};
        QTest::newRow("TI-89 snap, garbage") << snap + QStringList{"--model", "ti89"} << QStringList{misbehave, "garbage"};
    }
    void linkFailuresEndWithStatusThree()
    {
        QFETCH(QStringList, command);
        QFETCH(QStringList, calculator);
        std::optional<VirtualCalc> far;
        if (calculator.isEmpty())
            VirtualCalc::cleanLink();
        else
            QVERIFY(far.emplace(calculator).isReady());
        const CliRun run = runCli(command);
        QCOMPARE(run.status, 3);
        const QList<QByteArray> lines = run.errorLines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("pixoram-cli: link: ") && lines[0].size() > 24, run.err.constData());
        QVERIFY(!QFile::exists(path("failed.png")));
    }
};

QTEST_GUILESS_MAIN(TestCliLink)
#include "tst_clilink.moc"
