#include "support/SpecialFiles.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket file stays in the folder after its socket is closed.
bool makeSocket(const QByteArray& name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

}  // namespace

QString makeSpecialFile(const QString& path, SpecialFile kind)
{
    const QByteArray name = QFile::encodeName(path);
    bool made = false;
    switch (kind) {
    case SpecialFile::Folder:
        made = QDir().mkdir(path);
        break;
    case SpecialFile::Fifo:
        made = ::mkfifo(name.constData(), 0644) == 0;
        break;
    case SpecialFile::Socket:
        made = makeSocket(name);
        break;
    case SpecialFile::Device:
        made = ::symlink("/dev/zero", name.constData()) == 0;
        break;
    }
    if (!made)
        qFatal("cannot make the special file %s", qPrintable(path));
    return path;
}
