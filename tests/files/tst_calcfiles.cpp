// Picture files: what the link component writes, reads and refuses, and saving over a file on
// filesystems that really fail: the old file survives whole, nothing is left beside it, and what
// the user set on the file stays.
#include "FileTestSupport.h"

#include "files/BitmapFile.h"
#include "files/PictureFileReader.h"
#include "files/PictureKind.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "link/PictureFile.h"
#include "picture/WorkPicture.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QImage imageOf(const PictureGrid& grid)
{
    QImage image(kColumns, kRows, QImage::Format_RGB32);
    drawGridInto(image, grid);
    return image;
}

LinkResult writePicture(CalcKind kind, const QString& path, const QString& name, const QImage& picture)
{
    CalcVariable variable;
    variable.SetName(name);
    variable.SetFileName(path);
    variable.SetPicture(picture);
    return CalcModel(kind).WriteFile(variable);
}

// Save and Save As write either kind through these two.
bool save(const QString& kind, const QString& path, QString& reason)
{
    const QImage picture = imageOf(gridFromText(QStringLiteral("files/full.cells")));
    if (kind == QLatin1String("bitmap"))
        return saveBitmapSafely(picture, path, reason);
    const LinkResult result = writePicture(CalcKind::TI92Plus, path, QStringLiteral("main\\new"), picture);
    reason = result.message();
    return result.ok();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class TestCalcFiles : public QObject {
    Q_OBJECT
private slots:
    // As the editor's main() does: past the size limit a write fails instead of ending the program.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void writeAndRead_data() { addRowsFrom(QStringLiteral("written")); }
    void writeAndRead();
    void realPictures_data() { addRowsFrom(QStringLiteral("realpictures")); }
    void realPictures();
    void badFiles_data() { addRowsFrom(QStringLiteral("badfiles")); }
    void badFiles();
    void failuresKeepTheOldFile_data() { addRowsFrom(QStringLiteral("savefailures")); }
    void failuresKeepTheOldFile();
    void whatTheUserSetStays_data() { addRowsFrom(QStringLiteral("keptattributes")); }
    void whatTheUserSetStays();

private:
    QTemporaryDir dir_;
};

// A few cells give the bytes a calculator reads (files/written.92i, laid out by hand); a random
// picture comes back whole, to the link component and to the built-in reader alike.
void TestCalcFiles::writeAndRead()
{
    const CalcKind kind = *pictureKindOfPath(field("kind"));
    const QString name = field("name");
    const QString path = dir_.filePath(QStringLiteral("moon.") + field("kind"));
    QVERIFY(writePicture(kind, path, "main\\picture", imageOf(gridFromText("files/written.cells"))).ok());
    QCOMPARE(readBytes(path), field("signature").toLatin1() + testData(QStringLiteral("files/written.92i")).mid(8));

    QRandomGenerator random(static_cast<quint32>(kind) + 7);
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, static_cast<int16_t>(random.bounded(2)));
    }
    QVERIFY(writePicture(kind, path, name, imageOf(grid)).ok());
    CalcVariable read;
    read.SetFileName(path);
    const LinkResult result = CalcModel(kind).ReadFile(read);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(read.GetName(), name);
    QCOMPARE(read.GetPicture(), imageOf(grid));
    const PictureFileContents builtIn = ReadPictureFile(readBytes(path));
    QCOMPARE(builtIn.folder + QLatin1Char('\\') + builtIn.variable, name);
    QVERIFY(builtIn.grid == grid);
}

// Each picture is read as its bitmap's bits say, whatever the file carries around it.
void TestCalcFiles::realPictures()
{
    QByteArray bytes = testData(field("file"));
    bytes.replace(0, field("signature").size(), field("signature").toLatin1());
    writeBytes(dir_.filePath(QStringLiteral("real")), bytes);
    CalcVariable read;
    read.SetFileName(dir_.filePath(QStringLiteral("real")));
    const LinkResult result = CalcModel(*pictureKindOfPath(field("kind"))).ReadFile(read);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(read.GetName(), field("name"));
    const QImage picture = read.GetPicture();
    const int offset = field("bitmap").toInt();
    const auto byteAt = [&bytes](int at) { return static_cast<uint8_t>(bytes[at]); };
    const int height = byteAt(offset - 4) << 8 | byteAt(offset - 3);
    const int width = byteAt(offset - 2) << 8 | byteAt(offset - 1);
    QCOMPARE(picture.size(), QSize(width, height));
    const int rowBytes = (picture.width() + 7) / 8;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool set = byteAt(offset + y * rowBytes + x / 8) & (0x80 >> (x % 8));
            QCOMPARE(picture.pixel(x, y) == qRgb(0, 0, 0), set);
        }
    }
}

// A refused file leaves the variable it was to be read into as it was.
void TestCalcFiles::badFiles()
{
    const QString path = dir_.filePath(QStringLiteral("bad-%1.92i").arg(QTest::currentDataTag()));
    if (QFile::exists(testDataPath(field("file"))))
        writeBytes(path, testData(field("file")));
    if (!field("size").isEmpty())
        QFile::resize(path, field("size").toLongLong());
    CalcVariable variable;
    variable.SetName(QStringLiteral("keep\\me"));
    variable.SetPicture(QImage(2, 2, QImage::Format_RGB32));
    variable.SetFileName(path);
    const LinkResult result = CalcModel(CalcKind::TI92).ReadFile(variable);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(field("reason")), qPrintable(result.message()));
    QCOMPARE(variable.GetName(), QStringLiteral("keep\\me"));
    QCOMPARE(variable.GetPicture().size(), QSize(2, 2));
}

void TestCalcFiles::failuresKeepTheOldFile()
{
    const QString kind = field("kind");
    const QString failure = field("failure");
    QTemporaryDir dir;
    const QString folder = dir.path();
    QString target = folder + "/old.pic";
    const QByteArray old(3185, 'o');
    writeBytes(target, old);
    std::optional<UnwritableFolder> unwritableFolder;
    rlimit sizeLimit{};
    ::getrlimit(RLIMIT_FSIZE, &sizeLimit);
    const rlimit unlimited = sizeLimit;
    if (failure == "read-only folder" && !unwritableFolder.emplace(folder).active())
        QSKIP("no way to make a folder unwritable here");
    // Root writes a file whatever its mode bits say, but not an immutable one.
    if (failure == "read-only file" && QFile::setPermissions(target, QFileDevice::ReadOwner) && ::geteuid() == 0
        && !setImmutable(target, true))
        QSKIP("root ignores a file's mode, and this filesystem has no immutable flag");
    if (failure == "name too long")
        target = folder + '/' + QString(300, 'n');
    if (failure == "file size limit")
        sizeLimit.rlim_cur = 1024;
    const QStringList before = entries(folder);

    QString why;
    ::setrlimit(RLIMIT_FSIZE, &sizeLimit);
    const bool saved = save(kind, target, why);
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    setImmutable(target, false);

    QVERIFY(!saved);
    QVERIFY2(why.contains(field("reason")), qPrintable(why));
    QCOMPARE(entries(folder), before);
    QCOMPARE(readBytes(folder + "/old.pic"), old);
}

void TestCalcFiles::whatTheUserSetStays()
{
    const QString kind = field("kind");
    const QString mode = field("mode");
    const QString link = field("link");
    const uint user = field("owner").isEmpty() ? ::geteuid() : field("owner").toUInt();
    if ((mode == "0444" || user != ::geteuid()) && ::geteuid() != 0)
        QSKIP("only root may write a read-only file or one of another owner");
    QTemporaryDir dir;
    const QString file = dir.filePath("picture");
    const QByteArray name = QFile::encodeName(file);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    old.st_mode = 0666 & ~mask;
    old.st_uid = user;
    old.st_gid = ::getegid();
    if (mode != "none") {
        writeBytes(file, "old");
        QVERIFY(user == ::geteuid() || ::chown(name, user, user) == 0);
        QVERIFY(::chmod(name, mode_t(mode.toUInt(nullptr, 8))) == 0 && ::stat(name, &old) == 0);
    }
    if (!link.isEmpty())
        QVERIFY(QFile::link("picture", dir.filePath("link")));

    QString why;
    QVERIFY2(save(kind, dir.filePath(link.isEmpty() ? "picture" : "link"), why), qPrintable(why));

    QVERIFY(readBytes(file).startsWith(kind == "bitmap" ? "BM" : "**TI92P*"));
    QCOMPARE(QFileInfo(dir.filePath("link")).isSymLink(), !link.isEmpty());
    struct stat now {};
    QCOMPARE(::stat(name, &now), 0);
    QCOMPARE(now.st_mode & 07777, old.st_mode & 07777);
    QCOMPARE(now.st_uid, old.st_uid);
    QCOMPARE(now.st_gid, old.st_gid);
    QCOMPARE(entries(dir.path()).size(), link.isEmpty() ? 1 : 2);
}

QTEST_MAIN(TestCalcFiles)
#include "tst_calcfiles.moc"
