// Saving over a file on filesystems that really fail: the old file survives whole,
// nothing is left beside it, and what the user set on the file stays.
#include "FileTestSupport.h"

#include "files/BitmapFile.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Writer { Calculator, Bitmap };

QImage somePicture()
{
    QImage image(kColumns, kRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(3, 4, qRgb(0, 0, 0));
    return image;
}

// The two ways the editor writes a file, Save and Save As alike.
bool save(Writer writer, const QString& path, QString& reason)
{
    if (writer == Writer::Bitmap)
        return saveBitmapSafely(somePicture(), path, reason);
    CalcModel model(CalcKind::TI92Plus);
    CalcVariable variable;
    variable.SetTypeCode(26);
    variable.SetName(QStringLiteral("main\\new"));
    variable.SetFileName(path);
    variable.SetPicture(somePicture());
    const LinkResult result = model.WriteFile(variable);
    reason = result.message();
    return result.ok();
}

QByteArray newFileStart(Writer writer)
{
    return writer == Writer::Bitmap ? QByteArray("BM") : QByteArray("**TI92P*");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A small tmpfs of its own, unmounted again at the end (mounting needs root).
class Tmpfs {
public:
    explicit Tmpfs(const QString& path) : path_(QFile::encodeName(path))
    {
        QDir().mkpath(path);
        mounted_ = ::mount("tmpfs", path_.constData(), "tmpfs", 0, "size=16k") == 0;
    }
    ~Tmpfs()
    {
        if (mounted_)
            ::umount2(path_.constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;
    bool mounted() const { return mounted_; }
    bool makeReadOnly() { return ::mount(nullptr, path_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

    // Writes a filler file until no byte more fits.
    void fill() const
    {
        const int fd = ::open((path_ + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
        const QByteArray block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
        }
        ::close(fd);
    }

private:
    QByteArray path_;
    bool mounted_ = false;
};

// Lowers the soft limit on file sizes for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

bool isRoot()
{
    return ::geteuid() == 0;
}

}  // namespace

class TestReplaceFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void failuresKeepTheOldFile_data();
    void failuresKeepTheOldFile();
    void whatTheUserSetStays_data();
    void whatTheUserSetStays();
};

void TestReplaceFile::initTestCase()
{
    // As the editor's main() does: past the size limit a write fails instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestReplaceFile::failuresKeepTheOldFile_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason");
    for (const Writer writer : {Writer::Calculator, Writer::Bitmap}) {
        const bool bitmap = writer == Writer::Bitmap;
        const char* kind = bitmap ? "bitmap" : "calculator file";
        const auto row = [&](const char* failure, const char* reason) {
            QTest::addRow("%s, %s", kind, failure) << writer << QString(failure) << QString(reason);
        };
        // libtifiles2 does not see its own failed writes: the size check does.
        row("full disk", bitmap ? "No space left on device" : "bytes reached it");
        row("read-only filesystem", "Read-only file system");
        row("read-only folder", "cannot be written");
        row("read-only file", "cannot be written");
        row("vanished folder", "No such file or directory");
        row("name too long", "File name too long");
        row("file size limit", bitmap ? "File too large" : "bytes reached it");
    }
}

void TestReplaceFile::failuresKeepTheOldFile()
{
    QFETCH(Writer, writer);
    QFETCH(QString, failure);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString folder = dir.path();
    std::optional<Tmpfs> tmpfs;
    if (failure == "full disk" || failure == "read-only filesystem") {
        folder = dir.filePath("mounted");
        if (!tmpfs.emplace(folder).mounted())
            QSKIP("mounting a tmpfs needs root; the full and read-only filesystems are tested only there");
    }
    QString target = folder + "/old.pic";
    const QByteArray old(3185, 'o');
    writeBytes(target, old);

    std::optional<UnwritableFolder> unwritableFolder;
    std::optional<FileSizeLimit> sizeLimit;
    bool immutable = false;
    if (failure == "full disk") {
        tmpfs->fill();
    } else if (failure == "read-only filesystem") {
        QVERIFY(tmpfs->makeReadOnly());
    } else if (failure == "read-only folder") {
        if (!unwritableFolder.emplace(folder).active())
            QSKIP("no way to make a folder unwritable here");
    } else if (failure == "read-only file") {
        // Root may write a file whatever its mode bits say, but not an immutable one.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (isRoot() && !(immutable = setImmutable(target, true)))
            QSKIP("root ignores a file's mode, and this filesystem has no immutable flag");
    } else if (failure == "vanished folder") {
        QVERIFY(QDir(folder).mkdir("gone") && QDir(folder).rmdir("gone"));
        target = folder + "/gone/new.pic";
    } else if (failure == "name too long") {
        target = folder + '/' + QString(300, 'n');
    } else if (failure == "file size limit") {
        sizeLimit.emplace(1024);
    }
    const QStringList before = entries(folder);

    QString why;
    const bool saved = save(writer, target, why);
    sizeLimit.reset();
    if (immutable)
        setImmutable(target, false);

    QVERIFY(!saved);
    QVERIFY2(why.contains(reason), qPrintable(why));
    QCOMPARE(entries(folder), before);
    if (before.contains("old.pic"))
        QCOMPARE(readBytes(folder + "/old.pic"), old);
}

void TestReplaceFile::whatTheUserSetStays_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<int>("mode");  // of the old file; -1: there is none
    QTest::addColumn<bool>("otherOwner");
    QTest::addColumn<bool>("throughLink");
    for (const Writer writer : {Writer::Calculator, Writer::Bitmap}) {
        const char* kind = writer == Writer::Bitmap ? "bitmap" : "calculator file";
        QTest::addRow("%s, new file", kind) << writer << -1 << false << false;
        QTest::addRow("%s, read-only 0444", kind) << writer << 0444 << false << false;
        QTest::addRow("%s, setgid 02664", kind) << writer << 02664 << false << false;
        QTest::addRow("%s, another owner", kind) << writer << 0640 << true << false;
        QTest::addRow("%s, through a link", kind) << writer << 0600 << false << true;
    }
}

void TestReplaceFile::whatTheUserSetStays()
{
    QFETCH(Writer, writer);
    QFETCH(int, mode);
    QFETCH(bool, otherOwner);
    QFETCH(bool, throughLink);
    if ((mode == 0444 || otherOwner) && !isRoot())
        QSKIP("only root may write a read-only file or give a file to another owner");
    QTemporaryDir dir;
    const QString file = dir.filePath("picture");
    const QString target = throughLink ? dir.filePath("link") : file;
    struct stat old {};
    if (mode >= 0) {
        writeBytes(file, QByteArray(3185, 'o'));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), static_cast<mode_t>(mode)), 0);
        if (otherOwner)
            QCOMPARE(::chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &old), 0);
    }
    if (throughLink)
        QVERIFY(QFile::link("picture", target));
    const QStringList before = entries(dir.path());

    QString why;
    QVERIFY2(save(writer, target, why), qPrintable(why));

    QVERIFY(readBytes(file).startsWith(newFileStart(writer)));
    QCOMPARE(QFileInfo(target).isSymLink(), throughLink);
    struct stat now {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &now), 0);
    if (mode < 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(now.st_mode & 07777, 0666 & ~mask);
        QCOMPARE(now.st_uid, ::geteuid());
    } else {
        QCOMPARE(now.st_mode & 07777, old.st_mode & 07777);
        QCOMPARE(now.st_uid, old.st_uid);
        QCOMPARE(now.st_gid, old.st_gid);
    }
    QCOMPARE(entries(dir.path()), mode < 0 ? QStringList{"picture"} : before);
}

QTEST_MAIN(TestReplaceFile)
#include "tst_replacefile.moc"
