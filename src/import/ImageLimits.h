#pragma once
// The largest image import accepts: big enough for a camera photo, small enough that
// a lying header cannot make it allocate without bound.

#include <QSize>

#include <cstdint>

constexpr int kMaxImageSide = 10000;                 // pixels, either way
constexpr int64_t kMaxImagePixels = 40'000'000;      // 160 MB at 32 bits a pixel
constexpr int64_t kMaxImportFileBytes = 200'000'000;  // an uncompressed bitmap at the limit, plus headers

inline bool imageSizeAcceptable(int64_t width, int64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide
        && width * height <= kMaxImagePixels;
}

inline bool imageSizeAcceptable(QSize size)
{
    return imageSizeAcceptable(size.width(), size.height());
}
