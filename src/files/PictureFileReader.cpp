#include "files/PictureFileReader.h"

#include "link/CalcCharset.h"

#include <QFile>
#include <QFileInfo>

PictureFileContents ReadPictureFile(const QByteArray& bytes)
{
    PictureFileContents contents;
    contents.folder = calcBytesToText(bytes.mid(10, 8));
    contents.comment = calcBytesToText(bytes.mid(18, 40));
    contents.variable = calcBytesToText(bytes.mid(64, 8));
    int k = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int b = 0; b < 30; ++b) {
            ++k;
            int v = static_cast<uint8_t>(bytes[91 + k]);
            int m = 128;
            for (int i = 0; i < 8; ++i) {
                contents.grid.setCell(8 * b + i, y, static_cast<int16_t>(v / m));
                v %= m;
                m /= 2;
            }
        }
    }
    return contents;
}

bool readPictureFileBytes(const QString& path, QByteArray& bytes, QString& reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
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
    bytes = file.read(kPictureFileMinimumSize);
    if (bytes.size() < kPictureFileMinimumSize) {
        reason = QStringLiteral("the file is too short to be a picture file (%1 bytes; a picture file has at least %2).")
                     .arg(bytes.size())
                     .arg(kPictureFileMinimumSize);
        return false;
    }
    return true;
}
