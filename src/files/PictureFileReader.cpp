#include "files/PictureFileReader.h"

#include "files/ReadRegularFile.h"
#include "link/CalcCharset.h"

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
    if (!readRegularFile(path, kPictureFileMinimumSize, bytes, reason))
        return false;
    if (bytes.size() < kPictureFileMinimumSize) {
        reason = QStringLiteral("the file is too short to be a picture file (%1 bytes; a picture file has at least %2).")
                     .arg(bytes.size())
                     .arg(kPictureFileMinimumSize);
        return false;
    }
    return true;
}
