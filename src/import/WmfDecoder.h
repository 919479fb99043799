#pragma once
// Windows metafiles drawn into an image at their natural size, through libwmf.

#include <QByteArrayView>
#include <QImage>

#include <optional>

// Nothing when the bytes are not a metafile that readWmfLayout accepts,
// when its size is not acceptable for import, or when the player fails.
std::optional<QImage> decodeWmf(QByteArrayView bytes);
