#pragma once
// The parts of a Windows metafile that fix its size and its frame, read and
// checked before the file reaches the metafile player.
//
//   22-byte placeable header: key 9AC6CDD7, handle, left, top, right, bottom
//                             (metafile units), units an inch, reserved, checksum;
//                             files without it start with the metafile header
//   18-byte metafile header:  type (1, 2), header words (9), version (0x100, 0x300), file words,
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
    // A metafile without the placeable header that sets no window: its frame is the
    // box of what it draws, known only once the player has scanned it.
    bool frameFromDrawing = false;
};

// Nothing when the bytes are not a metafile whose records all lie inside the file,
// end with the end record and fit the largest record its header declares, or when
// its mapping is not one whose frame can be placed, set to one scale throughout,
// or when a bitmap in a record claims more pixels than the record holds.
// A placeable file's frame is the rectangle of its placeable header, under the
// default mapping or an isotropic or anisotropic one with a window extent. Other
// files count one unit a point and take the window they set as their frame, in
// the text mapping or an isotropic or anisotropic one; in the text mapping
// without a window the frame is left to frameDrawnBox.
std::optional<WmfLayout> readWmfLayout(QByteArrayView bytes);

// Takes the box the player found drawn (in its device units, which are the
// metafile's units here) as the frame; the pixel size is left invalid when the
// box is empty or too large for an image.
void frameDrawnBox(WmfLayout& layout, const QRectF& box);

// True when the bytes start like a Windows metafile, placeable or not.
bool looksLikeWmf(QByteArrayView bytes);
