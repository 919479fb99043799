#pragma once
// The import preview Picture2: the image at its natural size over the window.

#include <QImage>

class QLabel;

// Sizes the preview to the image and shows it. Only the part inside the window can
// be seen, so only that part is turned into a pixmap: a photo costs no more to show
// than it took to decode.
void showImportPreview(QLabel& preview, const QImage& image);
