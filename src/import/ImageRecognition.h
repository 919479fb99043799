#pragma once
// Which kind of image a file holds, told from its first bytes and never from its name.

#include <QByteArrayView>

enum class ImageKind { Bitmap, Icon, Jpeg, Gif, Png, Metafile, Unknown };

ImageKind recogniseImage(QByteArrayView bytes);
