#pragma once
// Little-endian fields read from a byte buffer, with the bounds checked.

#include <QByteArrayView>

#include <cstdint>
#include <optional>

inline std::optional<uint32_t> readLittleEndian(QByteArrayView bytes, int64_t offset, int width)
{
    if (offset < 0 || offset + width > bytes.size())
        return std::nullopt;
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

inline std::optional<uint32_t> readU8(QByteArrayView bytes, int64_t offset)
{
    return readLittleEndian(bytes, offset, 1);
}

inline std::optional<uint32_t> readU16(QByteArrayView bytes, int64_t offset)
{
    return readLittleEndian(bytes, offset, 2);
}

inline std::optional<uint32_t> readU32(QByteArrayView bytes, int64_t offset)
{
    return readLittleEndian(bytes, offset, 4);
}

inline std::optional<int32_t> readI32(QByteArrayView bytes, int64_t offset)
{
    const auto value = readU32(bytes, offset);
    if (!value)
        return std::nullopt;
    return static_cast<int32_t>(*value);
}

inline std::optional<int16_t> readI16(QByteArrayView bytes, int64_t offset)
{
    const auto value = readU16(bytes, offset);
    if (!value)
        return std::nullopt;
    return static_cast<int16_t>(*value);
}
