// Saving over a file on filesystems that really fail: the old file survives whole,
// nothing is left beside it, and what the user set on the file stays.
#include "FileTestSupport.h"

#include "files/BitmapFile.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Save and Save As write either kind through these two.
bool save(bool bitmap, const QString& path, QString& reason)
{
    QImage picture(kColumns, kRows, QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (bitmap)
        return saveBitmapSafely(picture, path, reason);
    CalcModel model(CalcKind::TI92Plus);
    CalcVariable variable;
    variable.SetName(QStringLiteral("main\\new"));
    variable.SetFileName(path);
    variable.SetPicture(picture);
    const LinkResult result = model.WriteFile(variable);
    reason = result.message();
    return result.ok();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class TestReplaceFile : public QObject {
    Q_OBJECT
private slots:
    // As the editor's main() does: past the size limit a write fails instead of ending the program.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    void failuresKeepTheOldFile_data()
    {
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        for (const bool bitmap : {false, true}) {
            const auto row = [bitmap](const char* failure, const char* reason) {
                QTest::addRow("%s, %s", bitmap ? "bitmap" : "calculator file", failure) << bitmap << failure << reason;
            };
            // libtifiles2 does not notice its own failed writes: the size check does.
            row("full disk", bitmap ? "No space left on device" : "bytes reached it");
            row("read-only filesystem", "Read-only file system");
            row("read-only folder", "cannot be written");
            row("read-only file", "cannot be written");
            row("vanished folder", "No such file or directory");
            row("name too long", "File name too long");
            row("file size limit", bitmap ? "File too large" : "bytes reached it");
        }
    }
    void failuresKeepTheOldFile()
    {
        QFETCH(bool, bitmap);
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString folder = dir.path();
        const bool ownFilesystem = failure == "full disk" || failure == "read-only filesystem";
        if (ownFilesystem) {
            folder = dir.filePath("mounted");
            QDir().mkdir(folder);
            if (::mount("tmpfs", QFile::encodeName(folder), "tmpfs", 0, "size=16k") != 0)
                QSKIP("mounting a tmpfs needs root: full and read-only filesystems are tested only there");
        }
        const auto unmount = qScopeGuard([&] {
            if (ownFilesystem)
                ::umount2(QFile::encodeName(folder), MNT_DETACH);
        });
        QString target = folder + "/old.pic";
        const QByteArray old(3185, 'o');
        writeBytes(target, old);
        std::optional<UnwritableFolder> unwritableFolder;
        rlimit sizeLimit{};
        ::getrlimit(RLIMIT_FSIZE, &sizeLimit);
        const rlimit unlimited = sizeLimit;
        if (failure == "full disk") {
            writeBytes(folder + "/filler", QByteArray(16384, 'f'));
        } else if (failure == "read-only filesystem") {
            QCOMPARE(::mount(nullptr, QFile::encodeName(folder), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        } else if (failure == "read-only folder") {
            if (!unwritableFolder.emplace(folder).active())
                QSKIP("no way to make a folder unwritable here");
        } else if (failure == "read-only file") {
            // Root writes a file whatever its mode bits say, but not an immutable one.
            QFile::setPermissions(target, QFileDevice::ReadOwner);
            if (::geteuid() == 0 && !setImmutable(target, true))
                QSKIP("root ignores a file's mode, and this filesystem has no immutable flag");
        } else if (failure == "vanished folder") {
            QVERIFY(QDir(folder).mkdir("gone") && QDir(folder).rmdir("gone"));
            target = folder + "/gone/new.pic";
        } else if (failure == "name too long") {
            target = folder + '/' + QString(300, 'n');
        } else if (failure == "file size limit") {
            sizeLimit.rlim_cur = 1024;
        }
        const QStringList before = entries(folder);

        QString why;
        ::setrlimit(RLIMIT_FSIZE, &sizeLimit);
        const bool saved = save(bitmap, target, why);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        setImmutable(target, false);

        QVERIFY(!saved);
        QVERIFY2(why.contains(reason), qPrintable(why));
        QCOMPARE(entries(folder), before);
        if (before.contains("old.pic"))
            QCOMPARE(readBytes(folder + "/old.pic"), old);
    }

    void whatTheUserSetStays_data()
    {
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<int>("mode");  // of the old file; -1: there is none
        QTest::addColumn<uint>("owner");
        QTest::addColumn<bool>("throughLink");
        const uint me = ::geteuid();
        for (const bool bitmap : {false, true}) {
            const char* kind = bitmap ? "bitmap" : "calculator file";
            QTest::addRow("%s, new file", kind) << bitmap << -1 << me << false;
            QTest::addRow("%s, read-only 0444", kind) << bitmap << 0444 << me << false;
            QTest::addRow("%s, setgid 02664", kind) << bitmap << 02664 << me << false;
            QTest::addRow("%s, owned by nobody", kind) << bitmap << 0640 << 65534u << false;
            QTest::addRow("%s, through a link", kind) << bitmap << 0600 << me << true;
        }
    }
    void whatTheUserSetStays()
    {
        QFETCH(bool, bitmap);
        QFETCH(int, mode);
        QFETCH(uint, owner);
        QFETCH(bool, throughLink);
        if ((mode == 0444 || owner != ::geteuid()) && ::geteuid() != 0)
            QSKIP("only root may write a read-only file or one of another owner");
        QTemporaryDir dir;
        const QString file = dir.filePath("picture");
        const QByteArray name = QFile::encodeName(file);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        struct stat old {};
        old.st_mode = 0666 & ~mask;
        old.st_uid = owner;
        old.st_gid = ::getegid();
        if (mode >= 0) {
            writeBytes(file, "old");
            QVERIFY(owner == ::geteuid() || ::chown(name, owner, owner) == 0);
            QVERIFY(::chmod(name, mode_t(mode)) == 0 && ::stat(name, &old) == 0);
        }
        if (throughLink)
            QVERIFY(QFile::link("picture", dir.filePath("link")));

        QString why;
        QVERIFY2(save(bitmap, dir.filePath(throughLink ? "link" : "picture"), why), qPrintable(why));

        QVERIFY(readBytes(file).startsWith(bitmap ? "BM" : "**TI92P*"));
        QCOMPARE(QFileInfo(dir.filePath("link")).isSymLink(), throughLink);
        struct stat now {};
        QCOMPARE(::stat(name, &now), 0);
        QCOMPARE(now.st_mode & 07777, old.st_mode & 07777);
        QCOMPARE(now.st_uid, old.st_uid);
        QCOMPARE(now.st_gid, old.st_gid);
        QCOMPARE(entries(dir.path()).size(), throughLink ? 2 : 1);
    }
};

QTEST_MAIN(TestReplaceFile)
#include "tst_replacefile.moc"
