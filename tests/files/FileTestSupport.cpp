#include "FileTestSupport.h"

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

QByteArray padded(const QByteArray& text, int size)
{
    QByteArray field = text.left(size);
    field.append(QByteArray(size - field.size(), '\0'));
    return field;
}

void appendLittle16(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void appendLittle32(QByteArray& bytes, uint32_t value)
{
    appendLittle16(bytes, static_cast<int>(value & 0xFFFF));
    appendLittle16(bytes, static_cast<int>(value >> 16));
}

void appendBig16(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
    bytes.append(static_cast<char>(value & 0xFF));
}

bool folderTakesNewFiles(const QString& path)
{
    QFile probe(path + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

}  // namespace

QByteArray singleVariableFile(const QByteArray& signature, const QByteArray& folder, const QByteArray& name,
                              uint8_t type, const QByteArray& data, uint8_t attribute)
{
    QByteArray bytes = padded(signature, 8);
    bytes.append("\x01\x00", 2);
    bytes.append(padded(folder, 8));
    bytes.append(padded("made by hand", 40));
    appendLittle16(bytes, 1);
    appendLittle32(bytes, 0x52);
    bytes.append(padded(name, 8));
    bytes.append(static_cast<char>(type));
    bytes.append(static_cast<char>(attribute));
    appendLittle16(bytes, 0);
    appendLittle32(bytes, static_cast<uint32_t>(86 + data.size() + 2));
    bytes.append("\xA5\x5A", 2);
    bytes.append(QByteArray(4, '\0'));
    bytes.append(data);
    int sum = 0;
    for (char byte : data)
        sum += static_cast<uint8_t>(byte);
    appendLittle16(bytes, sum & 0xFFFF);
    return bytes;
}

QByteArray pictureVariableData(const QStringList& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.value(0).size());
    const int rowBytes = (width + 7) / 8;
    QByteArray data;
    appendBig16(data, 2 + 2 + rowBytes * height + 1);
    appendBig16(data, height);
    appendBig16(data, width);
    for (const QString& row : rows) {
        QByteArray packed(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (row[x] == QLatin1Char('X'))
                packed[x / 8] = static_cast<char>(packed[x / 8] | (0x80 >> (x % 8)));
        }
        data.append(packed);
    }
    data.append('\xDF');
    return data;
}

PictureGrid gridFromRows(const QStringList& rows)
{
    PictureGrid grid;
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x)
            grid.setCell(x, y, rows[y][x] == QLatin1Char('X') ? 1 : 0);
    }
    return grid;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray realTestFile(const QString& name)
{
    return readBytes(QStringLiteral(PIXORAM_TESTDATA "/real/") + name);
}

WindowState windowState(const frmPixoram& window)
{
    return {window.grid,
            window.Picture1->image(),
            window.Text3->text(),
            window.Text2->text(),
            window.Text1->text(),
            window.statusPanel1->text(),
            window.CurrentFileName,
            window.windowTitle(),
            window.miOpen->isEnabled(),
            window.miSave->isEnabled(),
            window.miSaveAs->isEnabled(),
            window.miPrint->isEnabled(),
            !window.Image11->isHidden(),
            !window.Image5->isHidden(),
            !window.Image8->isHidden()};
}

bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

UnwritableFolder::UnwritableFolder(const QString& path) : path_(path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (folderTakesNewFiles(path))
        immutable_ = setImmutable(path, true);
    active_ = !folderTakesNewFiles(path);
}

UnwritableFolder::~UnwritableFolder()
{
    if (immutable_)
        setImmutable(path_, false);
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
