#include "import/BitmapCompleteness.h"

#include "import/ByteFields.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;

struct BitmapHeader {
    int64_t dataOffset;
    int64_t width;
    int64_t height;  // rows, whichever way they run
    uint32_t bitCount;
    uint32_t compression;
};

std::optional<BitmapHeader> readBitmapHeader(QByteArrayView bytes)
{
    if (!bytes.startsWith("BM"))
        return std::nullopt;
    const auto dataOffset = readU32(bytes, 10);
    const auto headerSize = readU32(bytes, 14);
    if (!dataOffset || !headerSize)
        return std::nullopt;
    if (*headerSize == 12) {  // OS/2 core header: 16-bit sizes, never compressed
        const auto width = readU16(bytes, 18);
        const auto height = readU16(bytes, 20);
        const auto bitCount = readU16(bytes, 24);
        if (!width || !height || !bitCount)
            return std::nullopt;
        return BitmapHeader{*dataOffset, *width, *height, *bitCount, kUncompressed};
    }
    if (*headerSize < 40)
        return std::nullopt;
    const auto width = readI32(bytes, 18);
    const auto height = readI32(bytes, 22);
    const auto bitCount = readU16(bytes, 28);
    const auto compression = readU32(bytes, 30);
    if (!width || !height || !bitCount || !compression)
        return std::nullopt;
    return BitmapHeader{*dataOffset, *width, std::llabs(int64_t{*height}), *bitCount, *compression};
}

// Walks the run-length codes without expanding them: each code is a pair of bytes,
// (count > 0, value) a run, (0, 0) end of line, (0, 1) end of bitmap, (0, 2) a jump
// of two more bytes, (0, n) n literal pixels padded to a whole number of 16-bit words.
bool runLengthStreamComplete(QByteArrayView bytes, int64_t position, int64_t rows, uint32_t bitCount)
{
    const auto size = static_cast<int64_t>(bytes.size());
    int64_t row = 0;
    while (position + 2 <= size) {
        const auto count = static_cast<uint8_t>(bytes[position]);
        const auto code = static_cast<uint8_t>(bytes[position + 1]);
        position += 2;
        if (count > 0)
            continue;
        if (code == 0) {
            if (++row >= rows)
                return true;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (position + 2 > size)
                return false;
            row += static_cast<uint8_t>(bytes[position + 1]);
            position += 2;
            if (row >= rows)
                return true;
        } else {
            const int64_t literalBytes = bitCount == 8 ? code : (code + 1) / 2;
            position += (literalBytes + 1) & ~int64_t{1};
        }
    }
    return false;
}

}  // namespace

bool bitmapFileComplete(QByteArrayView bytes)
{
    const auto header = readBitmapHeader(bytes);
    if (!header || header->width <= 0 || header->height <= 0)
        return false;
    const uint32_t bits = header->bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    switch (header->compression) {
    case kUncompressed:
    case kBitFields:
    case kAlphaBitFields: {
        // Divided rather than multiplied: a lying header must not overflow.
        const int64_t rowBytes = (header->width * bits + 31) / 32 * 4;
        const int64_t dataBytes = bytes.size() - header->dataOffset;
        return dataBytes >= 0 && header->height <= dataBytes / rowBytes;
    }
    case kRle8:
        return bits == 8 && runLengthStreamComplete(bytes, header->dataOffset, header->height, bits);
    case kRle4:
        return bits == 4 && runLengthStreamComplete(bytes, header->dataOffset, header->height, bits);
    default:
        return false;
    }
}
