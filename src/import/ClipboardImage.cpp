#include "import/ClipboardImage.h"

#include "import/ImageLimits.h"
#include "import/ImageRecognition.h"
#include "import/ImportImage.h"

#include <QMimeData>

#include <algorithm>

namespace {

QString tooLargeOrDamaged()
{
    return QStringLiteral("the image on the clipboard is damaged, or larger than %1 pixels a side or %2 pixels in all.")
        .arg(kMaxImageSide)
        .arg(kMaxImagePixels);
}

}  // namespace

bool offersImage(const QMimeData* data)
{
    if (!data)
        return false;
    const QStringList formats = data->formats();
    return data->hasImage()
           || std::any_of(formats.begin(), formats.end(), [](const QString& format) { return format.startsWith(QLatin1String("image/")); });
}

std::optional<QImage> clipboardImage(const QMimeData* data, QString& reason)
{
    if (!offersImage(data)) {
        reason = QStringLiteral("the clipboard holds no image.");
        return std::nullopt;
    }
    // Encoded data first: its size is checked before it is decoded.
    for (const QString& format : data->formats()) {
        if (!format.startsWith(QLatin1String("image/")))
            continue;
        const QByteArray bytes = data->data(format);
        if (recogniseImage(bytes) == ImageKind::Unknown)
            continue;
        if (std::optional<QImage> image = decodeImportImage(bytes))
            return image;
        reason = tooLargeOrDamaged();
        return std::nullopt;
    }
    // An image this program put there itself is held as one, already decoded.
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || !imageSizeAcceptable(image.size())) {
        reason = tooLargeOrDamaged();
        return std::nullopt;
    }
    return image;
}
