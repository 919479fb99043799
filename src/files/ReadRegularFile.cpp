#include "files/ReadRegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString cannotRead(int error)
{
    return QStringLiteral("the file cannot be read (%1).").arg(QString::fromLocal8Bit(std::strerror(error)));
}

// Why a file of this type is not read, or empty for a regular file.
QString refusal(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a picture file.");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe (FIFO), not a picture file.");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a picture file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a picture file.");
    return QStringLiteral("it is not a regular file.");
}

// Reads until the end of the file or `limit` bytes; the buffer grows as the
// data comes, since a file's size can change after it was looked at.
bool readUpTo(int fd, qint64 limit, qint64 expectedSize, QByteArray& bytes, QString& reason)
{
    bytes.resize(static_cast<qsizetype>(std::min(limit, expectedSize + 1)));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled >= limit)
                break;
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(limit, std::max<qint64>(2 * filled, 4096))));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = cannotRead(errno);
            return false;
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return true;
}

}  // namespace

bool readRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& reason)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (path.isEmpty() || ::stat(name.constData(), &info) != 0) {
        reason = path.isEmpty() || errno == ENOENT ? QStringLiteral("the file does not exist.") : cannotRead(errno);
        return false;
    }
    reason = refusal(info.st_mode);
    if (!reason.isEmpty())
        return false;
    // The path may have become a FIFO since it was looked at: opening without
    // waiting and looking again at what was opened keeps the editor running.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = cannotRead(errno);
        return false;
    }
    bool read = false;
    if (::fstat(fd, &info) != 0)
        reason = cannotRead(errno);
    else if (reason = refusal(info.st_mode); reason.isEmpty())
        read = readUpTo(fd, limit, info.st_size, bytes, reason);
    ::close(fd);
    return read;
}
