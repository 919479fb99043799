#include "import/IconImages.h"

#include "import/ByteFields.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

int64_t entryPosition(int index)
{
    return kDirectorySize + int64_t{index} * kEntrySize;
}

int64_t rowBytes(int64_t width, int64_t bits)
{
    return (width * bits + 31) / 32 * 4;
}

}  // namespace

std::optional<int> largestIconIndex(QByteArrayView bytes)
{
    const auto reserved = readU16(bytes, 0);
    const auto type = readU16(bytes, 2);
    const auto count = readU16(bytes, 4);
    if (!reserved || !type || !count || *reserved != 0 || *type != 1 || *count == 0)
        return std::nullopt;
    if (entryPosition(*count) > bytes.size())
        return std::nullopt;
    std::optional<int> best;
    int64_t bestArea = 0;
    uint32_t bestBits = 0;
    for (int index = 0; index < static_cast<int>(*count); ++index) {
        const int64_t entry = entryPosition(index);
        const uint32_t width = *readU8(bytes, entry) ? *readU8(bytes, entry) : 256;
        const uint32_t height = *readU8(bytes, entry + 1) ? *readU8(bytes, entry + 1) : 256;
        const uint32_t bits = *readU16(bytes, entry + 6);
        const int64_t area = int64_t{width} * height;
        if (!best || area > bestArea || (area == bestArea && bits > bestBits)) {
            best = index;
            bestArea = area;
            bestBits = bits;
        }
    }
    return best;
}

std::optional<QSize> iconBitmapSize(QByteArrayView bytes, int index)
{
    const int64_t entry = entryPosition(index);
    const auto width = readU8(bytes, entry);
    const auto height = readU8(bytes, entry + 1);
    const auto offset = readU32(bytes, entry + 12);
    if (!width || !height || !offset)
        return std::nullopt;
    const auto headerWidth = readI32(bytes, *offset + 4);
    const auto headerHeight = readI32(bytes, *offset + 8);
    if (!headerWidth || !headerHeight)
        return std::nullopt;
    // The header's height counts the colour rows and the mask rows.
    return QSize(*width ? int(*width) : *headerWidth, *height ? int(*height) : *headerHeight / 2);
}

bool applyIconMask(QByteArrayView bytes, int index, QImage& image)
{
    const auto offset = readU32(bytes, entryPosition(index) + 12);
    if (!offset)
        return false;
    if (bytes.sliced(std::min<int64_t>(*offset, bytes.size())).startsWith("\x89PNG"))
        return true;
    const auto bits = readU16(bytes, *offset + 14);
    const auto coloursUsed = readU32(bytes, *offset + 32);
    if (!bits || !coloursUsed)
        return false;
    if (*bits >= 32)
        return true;
    // Laid out as Qt's reader reads it: a 40-byte header whatever its size field says.
    const int64_t colours = *bits <= 8 ? (*coloursUsed ? *coloursUsed : int64_t{1} << *bits) : 0;
    const int64_t width = image.width();
    const int64_t height = image.height();
    const int64_t maskRowBytes = rowBytes(width, 1);
    const int64_t mask = *offset + kBitmapHeaderSize + colours * 4 + rowBytes(width, *bits) * height;
    if (mask + maskRowBytes * height > bytes.size())
        return false;
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const int64_t row = mask + (height - 1 - y) * maskRowBytes;
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (static_cast<uint8_t>(bytes[row + x / 8]) & (0x80 >> (x % 8)))
                pixels[x] = qRgba(qRed(pixels[x]), qGreen(pixels[x]), qBlue(pixels[x]), 0);
        }
    }
    return true;
}
