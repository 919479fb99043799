#include "files/ReplaceFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotWrite(int error)
{
    return QStringLiteral("the file cannot be written (%1).").arg(systemError(error));
}

// The file a link points to, so that saving over a link replaces what it points to.
QString resolvedTarget(const QString& target)
{
    const QFileInfo info(target);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : target;
}

// Whether an existing target may be replaced; a missing one may be created.
bool targetReplaceable(const QByteArray& name, struct stat& old, bool& exists, QString& reason)
{
    exists = ::stat(name.constData(), &old) == 0;
    if (!exists) {
        if (errno == ENOENT)
            return true;
        reason = cannotWrite(errno);
        return false;
    }
    if (S_ISDIR(old.st_mode)) {
        reason = QStringLiteral("it is a folder.");
        return false;
    }
    if (!S_ISREG(old.st_mode)) {
        reason = QStringLiteral("it is not a regular file.");
        return false;
    }
    // A file its owner made read-only stays as it is; root may write any file,
    // but not an immutable one or one on a read-only filesystem.
    if (::access(name.constData(), W_OK) != 0) {
        reason = cannotWrite(errno);
        return false;
    }
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The old file's owner, group and mode bits, in that order, since a change of
// owner clears the set-user-ID and set-group-ID bits. A user who may not give
// the file the old owner may still give it the old group if they belong to it.
void takeOverAttributes(int fd, const struct stat* old)
{
    if (!old) {
        ::fchmod(fd, 0666 & ~currentUmask());
        return;
    }
    if (::fchown(fd, old->st_uid, old->st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    ::fchmod(fd, old->st_mode & 07777);
}

bool writeAll(const QString& path, const QByteArray& bytes, QString& reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        reason = cannotWrite(errno);
        return false;
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t done = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0) {
            reason = cannotWrite(errno);
            ::close(fd);
            return false;
        }
        written += done;
    }
    if (::close(fd) != 0) {
        reason = cannotWrite(errno);
        return false;
    }
    return true;
}

// Makes the rename itself survive a crash. A folder that cannot be synced
// (some filesystems refuse) still holds the new file, so this reports nothing.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool replaceFile(const QString& target, const FileWriter& write, QString& reason)
{
    const QString path = resolvedTarget(target);
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    bool exists = false;
    if (path.isEmpty()) {
        reason = QStringLiteral("no file name was given.");
        return false;
    }
    if (!targetReplaceable(name, old, exists, reason))
        return false;

    // A short name of its own: a target name at the filesystem's length limit
    // leaves no room for a suffix.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    QByteArray temporary = folder + "/.pixoram-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        reason = cannotWrite(errno);
        return false;
    }
    bool done = write(QFile::decodeName(temporary), reason);
    if (done) {
        takeOverAttributes(fd, exists ? &old : nullptr);
        // fsync reports the write errors the writer may not have seen itself.
        done = ::fsync(fd) == 0;
        if (!done)
            reason = cannotWrite(errno);
    }
    if (::close(fd) != 0 && done) {
        reason = cannotWrite(errno);
        done = false;
    }
    if (done && ::rename(temporary.constData(), name.constData()) != 0) {
        reason = cannotWrite(errno);
        done = false;
    }
    if (!done) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool replaceFile(const QString& target, const QByteArray& bytes, QString& reason)
{
    return replaceFile(
        target, [&bytes](const QString& path, QString& why) { return writeAll(path, bytes, why); }, reason);
}
