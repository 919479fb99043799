#include "ImageFiles.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

QByteArray qtImageFile(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

namespace {

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

}  // namespace

QByteArray withClaimedSize(QByteArray file, int width, int height)
{
    // IHDR: length at 8, type at 12, width at 16, height at 20, CRC after 13 data bytes.
    qToBigEndian<quint32>(quint32(width), file.data() + 16);
    qToBigEndian<quint32>(quint32(height), file.data() + 20);
    qToBigEndian<quint32>(crc32(file.mid(12, 17)), file.data() + 29);
    return file;
}
