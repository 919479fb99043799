#include "import/ImageRecognition.h"

#include "import/WmfLayout.h"

ImageKind recogniseImage(QByteArrayView bytes)
{
    if (bytes.startsWith("BM"))
        return ImageKind::Bitmap;
    if (bytes.startsWith(QByteArrayView("\0\0\1\0", 4)))
        return ImageKind::Icon;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return ImageKind::Jpeg;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return ImageKind::Gif;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return ImageKind::Png;
    if (looksLikeWmf(bytes))
        return ImageKind::Metafile;
    return ImageKind::Unknown;
}
