#include "FileTestSupport.h"

#include "app/frmPixoram.h"
#include "link/CalcCharset.h"
#include "support/TsvRows.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool folderTakesNewFiles(const QString& path)
{
    QTemporaryFile probe(path + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
}

QString unescaped(QString text)
{
    text.replace(QStringLiteral("\\r"), QStringLiteral("\r"));
    static const QRegularExpression code(QStringLiteral("\\\\x([0-9A-Fa-f]{2})"));
    for (QRegularExpressionMatch found = code.match(text); found.hasMatch(); found = code.match(text)) {
        const char byte = static_cast<char>(found.captured(1).toInt(nullptr, 16));
        text.replace(found.capturedStart(), found.capturedLength(), calcBytesToText(QByteArray(1, byte)));
    }
    return text;
}

}  // namespace

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

QString testDataPath(const QString& name)
{
    return QStringLiteral(PIXORAM_TESTDATA "/") + name;
}

QByteArray testData(const QString& name)
{
    return readBytes(testDataPath(name));
}

PictureGrid gridFromText(const QString& name)
{
    const QList<QByteArray> rows = testData(name).split('\n');
    PictureGrid grid;
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x)
            grid.setCell(x, y, rows[y][x] == 'X' ? 1 : 0);
    }
    return grid;
}

void addRowsFrom(const QString& table)
{
    addTsvRows(testDataPath(QStringLiteral("files/%1.tsv").arg(table)));
}

QString field(const char* column)
{
    return unescaped(*static_cast<QString*>(QTest::qData(column, QMetaType::QString)));
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
            window.miPrint->isEnabled()};
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
