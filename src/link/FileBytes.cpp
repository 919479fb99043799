#include "link/FileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool readFileStart(const QString& path, qint64 limit, QByteArray& bytes, QString& reason)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        reason = QStringLiteral("the file does not exist.");
        return false;
    }
    if (info.isDir()) {
        reason = QStringLiteral("it is a folder, not a picture file.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("the file cannot be read (%1).").arg(file.errorString());
        return false;
    }
    bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        reason = QStringLiteral("the file cannot be read (%1).").arg(file.errorString());
        return false;
    }
    return true;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = QStringLiteral("the file cannot be written (%1).").arg(file.errorString());
        return false;
    }
    file.write(bytes);
    if (!file.commit()) {
        reason = QStringLiteral("the file cannot be written (%1).").arg(file.errorString());
        return false;
    }
    return true;
}
