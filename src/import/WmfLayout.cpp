#include "import/WmfLayout.h"

#include "import/ByteFields.h"

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
// mapping, and a 1024 x 1024 viewport unless the file sets another.
constexpr double kPointsPerInch = 72;
constexpr double kDefaultViewportExtent = 1024;

enum Function : uint32_t {
    kEnd = 0x0000,
    kSetMapMode = 0x0103,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
};

enum MapMode : int { kDefault = 0, kIsotropic = 7, kAnisotropic = 8 };

// The last mapping the records set: it is the one the picture is drawn with.
struct Mapping {
    int mapMode = kDefault;
    double windowX = 0, windowY = 0;
    std::optional<double> windowWidth, windowHeight;
    double viewportX = 0, viewportY = 0;
    double viewportWidth = kDefaultViewportExtent, viewportHeight = kDefaultViewportExtent;
};

int pixelsFor(int units, int unitsPerInch)
{
    return static_cast<int>(std::lround(double(std::abs(units)) * kScreenDpi / unitsPerInch));
}

}  // namespace

bool looksLikeWmf(QByteArrayView bytes)
{
    if (readU32(bytes, 0) == kPlaceableKey)
        return true;
    const auto type = readU16(bytes, 0);
    return (type == 1u || type == 2u) && readU16(bytes, 2) == kMetafileHeaderWords;
}

std::optional<WmfLayout> readWmfLayout(QByteArrayView bytes)
{
    if (readU32(bytes, 0) != kPlaceableKey)
        return std::nullopt;
    const auto left = readI16(bytes, 6);
    const auto top = readI16(bytes, 8);
    const auto right = readI16(bytes, 10);
    const auto bottom = readI16(bytes, 12);
    const auto unitsPerInch = readU16(bytes, 14);
    const auto headerWords = readU16(bytes, kPlaceableHeaderSize + 2);
    const auto largestRecord = readU32(bytes, kPlaceableHeaderSize + 12);
    if (!left || !top || !right || !bottom || !unitsPerInch || *unitsPerInch == 0 || !largestRecord
        || headerWords != kMetafileHeaderWords)
        return std::nullopt;
    // The player allocates the largest record the header declares: it must fit the file.
    if (int64_t{*largestRecord} * 2 > bytes.size())
        return std::nullopt;

    Mapping mapping;
    bool ended = false;
    int64_t position = kPlaceableHeaderSize + kMetafileHeaderWords * 2;
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
        switch (*function) {
        case kEnd:
            ended = true;
            break;
        case kSetMapMode:
            if (parameterCount >= 1)
                mapping.mapMode = first;
            break;
        case kSetWindowOrg:
            if (pair) {
                mapping.windowY = first;
                mapping.windowX = second;
            }
            break;
        case kSetWindowExt:
            if (pair) {
                mapping.windowHeight = first;
                mapping.windowWidth = second;
            }
            break;
        case kSetViewportOrg:
            if (pair) {
                mapping.viewportY = first;
                mapping.viewportX = second;
            }
            break;
        case kSetViewportExt:
            if (pair) {
                mapping.viewportHeight = first;
                mapping.viewportWidth = second;
            }
            break;
        default:
            break;
        }
        position += int64_t{*words} * 2;
    }

    WmfLayout layout;
    layout.pixelSize = QSize(pixelsFor(*right - *left, *unitsPerInch), pixelsFor(*bottom - *top, *unitsPerInch));
    const QRectF frame(QPointF(*left, *top), QPointF(*right, *bottom));
    if (mapping.mapMode == kDefault) {
        const double scale = kPointsPerInch / *unitsPerInch;
        layout.deviceFrame = QRectF(frame.topLeft() * scale, frame.bottomRight() * scale).normalized();
    } else if ((mapping.mapMode == kIsotropic || mapping.mapMode == kAnisotropic) && mapping.windowWidth
               && mapping.windowHeight && *mapping.windowWidth != 0 && *mapping.windowHeight != 0) {
        const auto toDevice = [&mapping](QPointF point) {
            return QPointF((point.x() - mapping.windowX) * mapping.viewportWidth / *mapping.windowWidth
                               + mapping.viewportX,
                           (point.y() - mapping.windowY) * mapping.viewportHeight / *mapping.windowHeight
                               + mapping.viewportY);
        };
        layout.deviceFrame = QRectF(toDevice(frame.topLeft()), toDevice(frame.bottomRight())).normalized();
    }
    return layout;
}
