#include "link/PictureVariableData.h"

#include "picture/PictureGrid.h"

namespace {

void putWord(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
    bytes.append(static_cast<char>(value & 0xFF));
}

int wordAt(const QByteArray& bytes, int offset)
{
    return (static_cast<uint8_t>(bytes[offset]) << 8) | static_cast<uint8_t>(bytes[offset + 1]);
}

bool isBlack(const QImage& image, int x, int y)
{
    return x < image.width() && y < image.height() && (image.pixel(x, y) & 0x00FFFFFF) == 0;
}

}  // namespace

QByteArray encodePictureVariable(const QImage& image, const PictureArea& area)
{
    const int rowBytes = (area.columns + 7) / 8;
    QByteArray bytes;
    putWord(bytes, 2 + 2 + rowBytes * area.rows + 1);
    putWord(bytes, area.rows);
    putWord(bytes, area.columns);
    for (int y = 0; y < area.rows; ++y) {
        for (int b = 0; b < rowBytes; ++b) {
            uint8_t value = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = 8 * b + bit;
                if (x < area.columns && isBlack(image, x, y))
                    value |= static_cast<uint8_t>(0x80 >> bit);
            }
            bytes.append(static_cast<char>(value));
        }
    }
    bytes.append(static_cast<char>(kPictureTag));
    return bytes;
}

std::optional<QImage> decodePictureVariable(const QByteArray& data, QString& reason)
{
    if (data.size() < 6) {
        reason = QStringLiteral("the picture data is too short");
        return std::nullopt;
    }
    const int size = wordAt(data, 0);
    const int height = wordAt(data, 2);
    const int width = wordAt(data, 4);
    const int rowBytes = (width + 7) / 8;
    // The size word must account for exactly the bytes the variable holds.
    if (height == 0 || width == 0 || size != 2 + 2 + rowBytes * height + 1 || data.size() != 2 + size) {
        reason = QStringLiteral("the picture data is inconsistent (%1 x %2 pixels in %3 bytes)")
                     .arg(width)
                     .arg(height)
                     .arg(data.size());
        return std::nullopt;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint8_t*>(data.constData()) + 6 + y * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (row[x / 8] & (0x80 >> (x % 8)))
                image.setPixel(x, y, 0xFF000000);
        }
    }
    return image;
}
