#pragma once
// The parts of a placeable Windows metafile that fix its size and its frame,
// read and checked before the file reaches the metafile player.
//
//   22-byte placeable header: key 9AC6CDD7, handle, left, top, right, bottom
//                             (metafile units), units an inch, reserved, checksum
//   18-byte metafile header:  type, header words (9), version, file words,
//                             objects, largest record (words), unused
//   records:                  size (words, >= 3), function, parameters...;
//                             the end record is size 3, function 0

#include <QByteArrayView>
#include <QRectF>
#include <QSize>

#include <optional>

struct WmfLayout {
    QSize pixelSize;        // the frame at 96 pixels an inch
    QRectF deviceFrame;     // the frame in the player's device units
    double pixelsPerUnit = 0;  // the size of one metafile unit on the picture
    int widestPen = 0;      // in metafile units
    int tallestFont = 0;    // in metafile units
};

// Nothing when the bytes are not a placeable metafile whose records all lie inside
// the file, end with the end record and fit the largest record its header declares,
// or when its mapping is not one whose frame can be placed: the default one, or an
// isotropic or anisotropic one with a window extent, set to one scale throughout,
// or when a bitmap in a record claims more pixels than the record holds.
std::optional<WmfLayout> readWmfLayout(QByteArrayView bytes);

// True when the bytes start like a Windows metafile, placeable or not.
bool looksLikeWmf(QByteArrayView bytes);
