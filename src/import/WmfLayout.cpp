#include "import/WmfLayout.h"

#include "import/ByteFields.h"
#include "import/ImageLimits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int64_t kPlaceableHeaderSize = 22;
constexpr uint32_t kMetafileHeaderWords = 9;
constexpr int kScreenDpi = 96;
// The player's own device units: points while a placeable file keeps its default
// mapping, and a 1024 x 1024 viewport unless the file sets another. A metafile
// without the placeable header counts in points.
constexpr double kPointsPerInch = 72;
constexpr double kDefaultViewportExtent = 1024;
constexpr double kPixelsPerPoint = kScreenDpi / kPointsPerInch;

enum Function : uint32_t {
    kEnd = 0x0000,
    kSetMapMode = 0x0103,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kScaleWindowExt = 0x0410,
    kScaleViewportExt = 0x0412,
    kCreatePen = 0x02FA,
    kCreateFont = 0x02FB,
    kDibBitBlt = 0x0940,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
    kSetDibToDevice = 0x0D33,
    kDibCreatePatternBrush = 0x0142,
};

// Where the device-independent bitmap starts among a record's parameters, or
// nothing for records that carry none. The two blits come without one when they
// only fill with a raster operation: then they are exactly 12 and 14 words long.
std::optional<int64_t> bitmapParameterOffset(uint32_t function, uint32_t words)
{
    switch (function) {
    case kDibBitBlt:
        return words == 12 ? std::nullopt : std::optional<int64_t>(16);
    case kDibStretchBlt:
        return words == 14 ? std::nullopt : std::optional<int64_t>(20);
    case kStretchDib:
        return 22;
    case kSetDibToDevice:
        return 18;
    case kDibCreatePatternBrush:
        return 4;
    default:
        return std::nullopt;
    }
}

// A bitmap inside a record must not claim more pixels than its bytes can hold
// (run-length compression allowed for): the player allocates and reads what the
// bitmap's header claims.
bool bitmapFitsRecord(QByteArrayView bytes, int64_t start, int64_t end)
{
    const auto headerSize = readU32(bytes, start);
    if (!headerSize || end - start < *headerSize)
        return false;
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0;
    if (*headerSize == 12) {
        width = readU16(bytes, start + 4).value_or(0);
        height = readU16(bytes, start + 6).value_or(0);
        bits = readU16(bytes, start + 10).value_or(0);
    } else if (*headerSize >= 40) {
        width = readI32(bytes, start + 4).value_or(0);
        height = std::llabs(int64_t{readI32(bytes, start + 8).value_or(0)});
        bits = readU16(bytes, start + 14).value_or(0);
        compression = readU32(bytes, start + 16).value_or(~0u);
    } else {
        return false;
    }
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const int64_t available = end - start;
    if (compression == 0 || compression == 3)
        return (width * bits + 31) / 32 * 4 * height <= available;
    if (compression == 1 || compression == 2)
        return width * height <= 256 * available;
    return false;
}

// kDefault stands for the player's own mapping of a placeable file, which has no
// number of its own in the file.
enum MapMode : int { kDefault = 0, kText = 1, kIsotropic = 7, kAnisotropic = 8 };

// The mapping the records set. Origins may move; the mode and the extents, which
// fix the scale, may be set more than once only to the same values, so that one
// scale holds for the whole drawing.
struct Mapping {
    std::optional<int> mapMode;
    QPointF windowOrigin;
    QPointF viewportShift;  // in device units
    std::optional<QSizeF> windowExtent, viewportExtent;
};

template <typename T>
bool setOnce(std::optional<T>& slot, const T& value)
{
    if (slot && *slot != value)
        return false;
    slot = value;
    return true;
}

int pixelsFor(int units, int unitsPerInch)
{
    return static_cast<int>(std::lround(double(std::abs(units)) * kScreenDpi / unitsPerInch));
}

// Where the 18-byte metafile header starts: after the placeable header, or at the
// very start of a metafile without one.
std::optional<int64_t> metafileHeaderOffset(QByteArrayView bytes)
{
    if (readU32(bytes, 0) == kPlaceableKey)
        return kPlaceableHeaderSize;
    const auto type = readU16(bytes, 0);
    const auto version = readU16(bytes, 4);
    if ((type == 1u || type == 2u) && readU16(bytes, 2) == kMetafileHeaderWords
        && (version == 0x0100u || version == 0x0300u))
        return 0;
    return std::nullopt;
}

struct Records {
    Mapping mapping;
    int widestPen = 0;    // in metafile units
    int tallestFont = 0;  // in metafile units
};

// Walks the records after the metafile header at headerOffset; nothing when one
// breaks the rules readWmfLayout names. startMapMode is the mapping the player
// starts with.
std::optional<Records> readRecords(QByteArrayView bytes, int64_t headerOffset, int startMapMode)
{
    const auto headerWords = readU16(bytes, headerOffset + 2);
    const auto largestRecord = readU32(bytes, headerOffset + 12);
    if (!largestRecord || headerWords != kMetafileHeaderWords)
        return std::nullopt;
    // The player allocates the largest record the header declares: it must fit the file.
    if (int64_t{*largestRecord} * 2 > bytes.size())
        return std::nullopt;

    Records records;
    Mapping& mapping = records.mapping;
    bool ended = false;
    int64_t position = headerOffset + kMetafileHeaderWords * 2;
    while (!ended) {
        const auto words = readU32(bytes, position);
        const auto function = readU16(bytes, position + 4);
        if (!words || !function || *words < 3 || *words - 3 > *largestRecord
            || position + int64_t{*words} * 2 > bytes.size())
            return std::nullopt;
        // Parameters are 16-bit words; pairs are stored y first, then x.
        const int64_t parameters = position + 6;
        const int parameterCount = static_cast<int>(std::min<uint32_t>(*words - 3, 2));
        const int16_t first = parameterCount >= 1 ? readI16(bytes, parameters).value_or(0) : 0;
        const int16_t second = parameterCount >= 2 ? readI16(bytes, parameters + 2).value_or(0) : 0;
        const bool pair = parameterCount == 2;
        bool consistent = true;
        switch (*function) {
        case kEnd:
            ended = true;
            break;
        case kSetMapMode:
            consistent = parameterCount >= 1 && setOnce(mapping.mapMode, int{first});
            break;
        case kSetWindowOrg:
            if (pair)
                mapping.windowOrigin = QPointF(second, first);
            break;
        case kSetWindowExt:
            consistent = pair && setOnce(mapping.windowExtent, QSizeF(second, first));
            break;
        case kSetViewportExt:
            consistent = pair && setOnce(mapping.viewportExtent, QSizeF(second, first));
            break;
        case kSetViewportOrg:
            // The player scales a viewport origin as the mapping stands when it is set,
            // then takes it off every point: the frame must be placed the same way.
            if (mapping.mapMode.value_or(startMapMode) == kText) {
                if (pair)
                    mapping.viewportShift = QPointF(second, first);
                break;
            }
            consistent = !pair || (first == 0 && second == 0) || mapping.windowExtent.has_value();
            if (pair && mapping.windowExtent && mapping.windowExtent->width() != 0
                && mapping.windowExtent->height() != 0) {
                const QSizeF viewport = mapping.viewportExtent.value_or(
                    QSizeF(kDefaultViewportExtent, kDefaultViewportExtent));
                mapping.viewportShift = QPointF(second * viewport.width() / mapping.windowExtent->width(),
                                                first * viewport.height() / mapping.windowExtent->height());
            }
            break;
        case kScaleWindowExt:
        case kScaleViewportExt:
            consistent = false;
            break;
        case kCreatePen:
            records.widestPen = std::max(records.widestPen, std::abs(int{second}));
            break;
        case kCreateFont:
            records.tallestFont = std::max(records.tallestFont, std::abs(int{first}));
            break;
        default:
            break;
        }
        if (const auto offset = bitmapParameterOffset(*function, *words))
            consistent = consistent && bitmapFitsRecord(bytes, parameters + *offset, position + int64_t{*words} * 2);
        if (!consistent)
            return std::nullopt;
        position += int64_t{*words} * 2;
    }
    return records;
}

bool extentUsable(const std::optional<QSizeF>& extent)
{
    return extent && extent->width() != 0 && extent->height() != 0;
}

// The frame of a placeable metafile: the rectangle its placeable header gives.
std::optional<WmfLayout> placeableLayout(QByteArrayView bytes)
{
    const auto left = readI16(bytes, 6);
    const auto top = readI16(bytes, 8);
    const auto right = readI16(bytes, 10);
    const auto bottom = readI16(bytes, 12);
    const auto unitsPerInch = readU16(bytes, 14);
    if (!left || !top || !right || !bottom || !unitsPerInch || *unitsPerInch == 0)
        return std::nullopt;
    const std::optional<Records> records = readRecords(bytes, kPlaceableHeaderSize, kDefault);
    if (!records)
        return std::nullopt;
    const Mapping& mapping = records->mapping;

    WmfLayout layout;
    layout.widestPen = records->widestPen;
    layout.tallestFont = records->tallestFont;
    layout.pixelSize = QSize(pixelsFor(*right - *left, *unitsPerInch), pixelsFor(*bottom - *top, *unitsPerInch));
    layout.pixelsPerUnit = double(kScreenDpi) / *unitsPerInch;
    const QRectF frame(QPointF(*left, *top), QPointF(*right, *bottom));
    const int mapMode = mapping.mapMode.value_or(kDefault);
    if (mapMode == kDefault) {
        const double scale = kPointsPerInch / *unitsPerInch;
        layout.deviceFrame = QRectF(frame.topLeft() * scale, frame.bottomRight() * scale).normalized();
    } else if ((mapMode == kIsotropic || mapMode == kAnisotropic) && extentUsable(mapping.windowExtent)) {
        const QSizeF window = *mapping.windowExtent;
        const QSizeF viewport = mapping.viewportExtent.value_or(QSizeF(kDefaultViewportExtent, kDefaultViewportExtent));
        const auto toDevice = [&](QPointF point) {
            const QPointF logical = point - mapping.windowOrigin;
            return QPointF(logical.x() * viewport.width() / window.width(),
                           logical.y() * viewport.height() / window.height())
                - mapping.viewportShift;
        };
        layout.deviceFrame = QRectF(toDevice(frame.topLeft()), toDevice(frame.bottomRight())).normalized();
    } else {
        return std::nullopt;
    }
    if (layout.deviceFrame.isEmpty())
        return std::nullopt;
    return layout;
}

// The frame of a metafile without the placeable header, at one point a unit: the
// window it sets, or, when it sets none, the box of what it draws.
std::optional<WmfLayout> plainLayout(QByteArrayView bytes)
{
    const std::optional<Records> records = readRecords(bytes, 0, kText);
    if (!records)
        return std::nullopt;
    const Mapping& mapping = records->mapping;

    WmfLayout layout;
    layout.widestPen = records->widestPen;
    layout.tallestFont = records->tallestFont;
    layout.pixelsPerUnit = kPixelsPerPoint;
    const int mapMode = mapping.mapMode.value_or(kText);
    if (mapMode == kText && !mapping.windowExtent) {
        layout.frameFromDrawing = true;
        return layout;
    }
    if ((mapMode != kText && mapMode != kIsotropic && mapMode != kAnisotropic) || !extentUsable(mapping.windowExtent))
        return std::nullopt;
    // The window starts at its origin, which the player maps to the device origin
    // less the viewport origin; in points the window keeps its size (a negative
    // extent only turns the axis over), otherwise it becomes the viewport.
    const QSizeF window = *mapping.windowExtent;
    const QSizeF deviceSize = mapMode == kText
        ? QSizeF(std::abs(window.width()), std::abs(window.height()))
        : mapping.viewportExtent.value_or(QSizeF(kDefaultViewportExtent, kDefaultViewportExtent));
    layout.deviceFrame = QRectF(-mapping.viewportShift, deviceSize).normalized();
    layout.pixelSize = QSize(static_cast<int>(std::lround(std::abs(window.width()) * kPixelsPerPoint)),
                             static_cast<int>(std::lround(std::abs(window.height()) * kPixelsPerPoint)));
    if (layout.deviceFrame.isEmpty())
        return std::nullopt;
    return layout;
}

}  // namespace

bool looksLikeWmf(QByteArrayView bytes)
{
    return metafileHeaderOffset(bytes).has_value();
}

std::optional<WmfLayout> readWmfLayout(QByteArrayView bytes)
{
    const std::optional<int64_t> headerOffset = metafileHeaderOffset(bytes);
    if (!headerOffset)
        return std::nullopt;
    return *headerOffset == kPlaceableHeaderSize ? placeableLayout(bytes) : plainLayout(bytes);
}

void frameDrawnBox(WmfLayout& layout, const QRectF& box)
{
    layout.deviceFrame = box;
    const double width = box.width() * layout.pixelsPerUnit;
    const double height = box.height() * layout.pixelsPerUnit;
    // Written so that a NaN fails; what is left empty is refused for its size.
    if (width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide)
        layout.pixelSize = QSize(static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)));
    else
        layout.pixelSize = QSize();
}
