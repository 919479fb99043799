// The link component's picture files: what it writes, what it reads, what it refuses.
#include "FileTestSupport.h"

#include "files/PictureFileReader.h"
#include "link/CalcCharset.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "link/PictureFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage imageOf(const PictureGrid& grid)
{
    QImage image(kColumns, kRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (grid.isSet(x, y))
                image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return image;
}

PictureGrid gridOf(const QImage& image)
{
    PictureGrid grid;
    for (int x = 0; x < std::min(kColumns, image.width()); ++x) {
        for (int y = 0; y < std::min(kRows, image.height()); ++y)
            grid.setCell(x, y, image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0);
    }
    return grid;
}

PictureGrid randomGrid(quint32 seed)
{
    QRandomGenerator random(seed);
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, static_cast<int16_t>(random.bounded(2)));
    }
    return grid;
}

QString calcText(const QByteArray& codes)
{
    return calcBytesToText(codes);
}

LinkResult writePicture(CalcKind kind, const QString& path, const QString& name, const QImage& picture)
{
    CalcModel model(kind);
    CalcVariable variable;
    variable.SetTypeCode(26);
    variable.SetName(name);
    variable.SetFileName(path);
    variable.SetPicture(picture);
    return model.WriteFile(variable);
}

// The first 3097 bytes of the group file's 239 x 103 picture variable.
QByteArray groupPictureData()
{
    const QByteArray group = realTestFile(QStringLiteral("tilibs__ti92_group2.92g"));
    return group.mid(group.indexOf(QByteArray("\x0C\x17\x00\x67\x00\xEF", 6)), 3097);
}

}  // namespace

class TestCalcFiles : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void writtenBytes_data();
    void writtenBytes();
    void realPictures_data();
    void realPictures();
    void badFiles_data();
    void badFiles();
    void refusedNames_data();
    void refusedNames();
    void failedWriteKeepsOldFile();

private:
    QTemporaryDir dir_;
};

void TestCalcFiles::roundTrip_data()
{
    QTest::addColumn<CalcKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("92i") << CalcKind::TI92 << QStringLiteral("main\\picture");
    QTest::newRow("9xi, 8 characters") << CalcKind::TI92Plus << QStringLiteral("abcdefgh\\Pic12345");
    QTest::newRow("v2i, calculator characters")
        << CalcKind::Voyage200 << calcText("\x80\x81\x8C") + QLatin1Char('\\') + calcText("\xEA\x93x");
}

void TestCalcFiles::roundTrip()
{
    QFETCH(CalcKind, kind);
    QFETCH(QString, name);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("moon.") + pictureFileExtension(kind));
    const PictureGrid grid = randomGrid(static_cast<quint32>(kind) + 7);
    QVERIFY(writePicture(kind, path, name, imageOf(grid)).ok());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});

    CalcModel model(kind);
    CalcVariable read;
    read.SetFileName(path);
    const LinkResult result = model.ReadFile(read);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(read.GetName(), name);
    QCOMPARE(read.GetPicture().size(), QSize(kColumns, kRows));
    QVERIFY(gridOf(read.GetPicture()) == grid);

    // The built-in reader sees the same file the same way.
    const PictureFileContents builtIn = ReadPictureFile(readBytes(path));
    QCOMPARE(builtIn.folder + QLatin1Char('\\') + builtIn.variable, name);
    QVERIFY(builtIn.grid == grid);
}

void TestCalcFiles::writtenBytes_data()
{
    QTest::addColumn<CalcKind>("kind");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("92i") << CalcKind::TI92 << QByteArray("**TI92**");
    QTest::newRow("9xi") << CalcKind::TI92Plus << QByteArray("**TI92P*");
    QTest::newRow("v2i") << CalcKind::Voyage200 << QByteArray("**TI92P*");
}

void TestCalcFiles::writtenBytes()
{
    QFETCH(CalcKind, kind);
    QFETCH(QByteArray, signature);
    // Cells (0, 0) and (7, 0), and all of (232, 102) to (239, 102).
    QStringList rows(kRows, QString(kColumns, QLatin1Char('.')));
    rows[0][0] = rows[0][7] = QLatin1Char('X');
    rows[102].replace(232, 8, QStringLiteral("XXXXXXXX"));
    const QString path = dir_.filePath(QStringLiteral("bytes.") + pictureFileExtension(kind));
    QVERIFY(writePicture(kind, path, QStringLiteral("main\\picture"), imageOf(gridFromRows(rows))).ok());

    const QByteArray written = readBytes(path);
    const QByteArray expected =
        singleVariableFile(signature, "main", "picture", 0x10, pictureVariableData(rows));
    QCOMPARE(written.size(), 3185);
    QCOMPARE(written.left(18) + written.mid(58), expected.left(18) + expected.mid(58));
    QByteArray comment("Picture file made with Pixoram");
    comment.append(QByteArray(40 - comment.size(), '\0'));
    QCOMPARE(written.mid(18, 40), comment);
    QCOMPARE(written.mid(10, 8), QByteArray("main\0\0\0\0", 8));
    QCOMPARE(written.mid(64, 8), QByteArray("picture\0", 8));
    QCOMPARE(static_cast<uint8_t>(written[92]), 0x81);
    QCOMPARE(static_cast<uint8_t>(written[3181]), 0xFF);
}

void TestCalcFiles::realPictures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bitmapOffset");
    const QByteArray imgapl = realTestFile(QStringLiteral("ti89archives__imgapl.89i"));
    QByteArray splash = realTestFile(QStringLiteral("cst__splash.89i"));
    splash.replace(0, 8, "**TI92P*");
    QByteArray imgaplTi92 = imgapl;
    imgaplTi92.replace(0, 8, "**TI92**");
    QTest::newRow("archived, trailing byte") << imgapl << "imgapl.9xi" << "sgs\\imgapl" << QSize(159, 77) << 92;
    QTest::newRow("archived, trailing byte, v2i")
        << realTestFile(QStringLiteral("ti89archives__sgs.imgcas.89i")) << "imgcas.V2I" << "sgs\\imgcas"
        << QSize(159, 77) << 92;
    QTest::newRow("reserved word set") << realTestFile(QStringLiteral("ti89archives__tbl.89i")) << "tbl.9XI"
                                       << "seng\\tbl" << QSize(159, 77) << 92;
    QTest::newRow("folder entry") << splash << "splash.9xi" << "cst\\splash" << QSize(159, 77) << 108;
    QTest::newRow("TI-92 signature") << imgaplTi92 << "imgapl.92i" << "sgs\\imgapl" << QSize(159, 77) << 92;
    QTest::newRow("TI-89: archived, trailing byte, TI-92 Plus signature")
        << imgapl << "imgapl.89i" << "sgs\\imgapl" << QSize(159, 77) << 92;
    QTest::newRow("TI-89: archived, TI-92 Plus signature")
        << realTestFile(QStringLiteral("ti89archives__sgs.imgcas.89i")) << "imgcas.89I" << "sgs\\imgcas"
        << QSize(159, 77) << 92;
    QTest::newRow("TI-89: reserved word set") << realTestFile(QStringLiteral("ti89archives__tbl.89i")) << "tbl.89i"
                                              << "seng\\tbl" << QSize(159, 77) << 92;
    QTest::newRow("TI-89: folder entry, TI-89 signature")
        << realTestFile(QStringLiteral("cst__splash.89i")) << "splash.89i" << "cst\\splash" << QSize(159, 77) << 108;
    QTest::newRow("239 x 103 from a group")
        << singleVariableFile("**TI92**", "main", "pic", 0x10, groupPictureData()) << "pic.92i" << "main\\pic"
        << QSize(239, 103) << 92;
}

void TestCalcFiles::realPictures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, bitmapOffset);
    QVERIFY(!bytes.isEmpty());
    const QString path = dir_.filePath(fileName);
    writeBytes(path, bytes);
    const std::optional<CalcKind> kind = fileName.endsWith(QLatin1String("92i")) ? CalcKind::TI92
                                         : fileName.endsWith(QLatin1String("V2I")) ? CalcKind::Voyage200
                                         : fileName.endsWith(QLatin1String("89i"), Qt::CaseInsensitive)
                                             ? CalcKind::TI89
                                             : CalcKind::TI92Plus;
    CalcModel model(*kind);
    CalcVariable read;
    read.SetFileName(path);
    const LinkResult result = model.ReadFile(read);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(read.GetName(), name);
    const QImage picture = read.GetPicture();
    QCOMPARE(picture.size(), size);
    const int rowBytes = (size.width() + 7) / 8;
    int black = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool set = static_cast<uint8_t>(bytes[bitmapOffset + y * rowBytes + x / 8]) & (0x80 >> (x % 8));
            QCOMPARE(picture.pixel(x, y) == qRgb(0, 0, 0), set);
            black += set;
        }
    }
    QVERIFY(black > 0);
    if (kind == CalcKind::TI89) {
        // Saved back as a TI-89 file, it holds the same picture under the same name.
        const QString copy = dir_.filePath(QStringLiteral("copy-") + fileName);
        QVERIFY(writePicture(CalcKind::TI89, copy, name, picture).ok());
        QCOMPARE(readBytes(copy).left(8), QByteArray("**TI89**"));
        CalcVariable reread;
        reread.SetFileName(copy);
        QVERIFY(model.ReadFile(reread).ok());
        QCOMPARE(reread.GetName(), name);
        QCOMPARE(reread.GetPicture(), picture);
    }
    if (size.height() == kRows && fileName.endsWith(QLatin1String("92i")) && bitmapOffset == 92) {
        const PictureFileContents builtIn = ReadPictureFile(bytes);
        QCOMPARE(builtIn.folder + QLatin1Char('\\') + builtIn.variable, name);
        QVERIFY(builtIn.grid == gridOf(picture));
    }
}

void TestCalcFiles::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = singleVariableFile("**TI92**", "main", "pic", 0x10, pictureVariableData({"X.X", ".X."}));
    QByteArray badChecksum = good;
    badChecksum[92] = '\x40';
    QByteArray noEntries = good;
    noEntries[58] = '\0';
    QByteArray badSize = pictureVariableData({"X.X", ".X."});
    badSize[1] = '\x09';
    QByteArray noWidth = pictureVariableData({"X.X", ".X."});
    noWidth[5] = '\0';
    QTest::newRow("missing") << QByteArray() << "does not exist";
    QTest::newRow("empty") << QByteArray("") << "not a calculator variable file";
    QTest::newRow("text") << QByteArray("Dear diary, today I drew the moon.") << "not a calculator variable file";
    QTest::newRow("truncated") << good.left(90) << "not a calculator variable file";
    QTest::newRow("one byte short") << good.chopped(1) << "not a calculator variable file";
    QTest::newRow("wrong checksum") << badChecksum << "checksum";
    QTest::newRow("no entries") << noEntries << "no variable";
    QTest::newRow("size word wrong") << singleVariableFile("**TI92**", "main", "pic", 0x10, badSize) << "damaged";
    QTest::newRow("bytes after the picture")
        << singleVariableFile("**TI92**", "main", "pic", 0x10, pictureVariableData({"X.X", ".X."}) + '\xDF')
        << "damaged";
    QTest::newRow("width 0") << singleVariableFile("**TI92**", "main", "pic", 0x10, noWidth) << "damaged";
    QTest::newRow("a string")
        << singleVariableFile("**TI92**", "main", "s", 0x0C, QByteArray("\x00\x06\x00\x61\x62\x63\x00\x2D", 8))
        << "another type (STR)";
    QTest::newRow("twelve variables") << realTestFile(QStringLiteral("tilibs__ti92_group2.92g")) << "12 variables";
    QTest::newRow("too large") << QByteArray(2 << 20, 'x') << "too large";
}

void TestCalcFiles::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = dir_.filePath(QStringLiteral("bad-%1.92i").arg(QTest::currentDataTag()));
    if (!bytes.isNull())
        writeBytes(path, bytes);
    CalcModel model(CalcKind::TI92);
    CalcVariable variable;
    variable.SetName(QStringLiteral("keep\\me"));
    variable.SetPicture(QImage(2, 2, QImage::Format_RGB32));
    variable.SetFileName(path);
    const CalcVariable before = variable;
    const LinkResult result = model.ReadFile(variable);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(reason), qPrintable(result.message()));
    QCOMPARE(variable.GetName(), before.GetName());
    QCOMPARE(variable.GetPicture(), before.GetPicture());
}

void TestCalcFiles::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("9 characters") << "main\\abcdefghi" << "longer than 8";
    QTest::newRow("9 calculator characters") << calcText("\x80\x81\x82\x83\x84\x85\x86\x87\x88") + "\\x"
                                             << "longer than 8";
    QTest::newRow("not in the set") << QString::fromUtf8("main\\月") << "does not have";
    QTest::newRow("no variable name") << "main\\" << "empty";
}

void TestCalcFiles::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    const QString path = dir_.filePath(QStringLiteral("refused.9xi"));
    const LinkResult result = writePicture(CalcKind::TI92Plus, path, name, imageOf(PictureGrid()));
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(reason), qPrintable(result.message()));
    QVERIFY(!QFileInfo::exists(path));
}

void TestCalcFiles::failedWriteKeepsOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.9xi"));
    QVERIFY(writePicture(CalcKind::TI92Plus, path, QStringLiteral("main\\old"), imageOf(randomGrid(1))).ok());
    const QByteArray old = readBytes(path);
    const QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    {
        UnwritableFolder locked(folder.path());
        if (!locked.active())
            QSKIP("no way to make a folder unwritable here");
        const LinkResult result = writePicture(CalcKind::TI92Plus, path, QStringLiteral("main\\new"), imageOf(randomGrid(2)));
        QVERIFY(!result.ok());
        QVERIFY(!result.message().isEmpty());
    }
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), entries);
}

QTEST_GUILESS_MAIN(TestCalcFiles)
#include "tst_calcfiles.moc"
