#include "import/ImportImage.h"

#include "files/ReadRegularFile.h"
#include "import/BitmapCompleteness.h"
#include "import/IconImages.h"
#include "import/ImageLimits.h"
#include "import/ImageRecognition.h"
#include "import/WmfDecoder.h"

#include <QBuffer>
#include <QImageReader>

namespace {

constexpr int kAllocationLimitMegabytes = static_cast<int>(kMaxImagePixels * 4 / (1024 * 1024)) + 1;

// Decodes with Qt's reader for exactly this format; imageIndex picks an image of a
// file that holds several.
std::optional<QImage> readWithQt(const QByteArray& bytes, const char* format, int imageIndex = 0)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    if (imageIndex > 0 && !reader.jumpToImage(imageIndex))
        return std::nullopt;
    const QSize declared = reader.size();
    if (declared.isValid() && !imageSizeAcceptable(declared))
        return std::nullopt;
    // Qt's bitmap reader reuses an image of the right size and format, and leaves
    // the pixels an RLE stream skips (a delta, an early end) as they were: start
    // from zeros (the palette's first colour) so that those pixels are the same on every run.
    QImage image;
    if (qstrcmp(format, "bmp") == 0 && declared.isValid()) {
        image = QImage(declared, QImage::Format_Indexed8);
        image.fill(0);
    }
    if (!reader.read(&image) || !imageSizeAcceptable(image.size()))
        return std::nullopt;
    return image;
}

std::optional<QImage> readIcon(const QByteArray& bytes)
{
    const std::optional<int> index = largestIconIndex(bytes);
    if (!index)
        return std::nullopt;
    // Qt's icon reader allocates the bitmap's size without the reader's limits.
    const std::optional<QSize> size = iconBitmapSize(bytes, *index);
    if (size && !imageSizeAcceptable(*size))
        return std::nullopt;
    std::optional<QImage> image = readWithQt(bytes, "ico", *index);
    if (!image || !applyIconMask(bytes, *index, *image))
        return std::nullopt;
    return image;
}

}  // namespace

std::optional<QImage> decodeImportImage(const QByteArray& bytes)
{
    switch (recogniseImage(bytes)) {
    case ImageKind::Bitmap:
        if (!bitmapFileComplete(bytes))
            return std::nullopt;
        return readWithQt(bytes, "bmp");
    case ImageKind::Icon:
        return readIcon(bytes);
    case ImageKind::Jpeg:
        return readWithQt(bytes, "jpeg");
    case ImageKind::Gif:
        return readWithQt(bytes, "gif");
    case ImageKind::Png:
        return readWithQt(bytes, "png");
    case ImageKind::Metafile:
        return decodeWmf(bytes);
    case ImageKind::Unknown:
        break;
    }
    return std::nullopt;
}

std::optional<QImage> loadImportImage(const QString& path)
{
    QByteArray bytes;
    QString reason;
    if (!readRegularFile(path, kMaxImportFileBytes + 1, bytes, reason) || bytes.size() > kMaxImportFileBytes)
        return std::nullopt;
    return decodeImportImage(bytes);
}
