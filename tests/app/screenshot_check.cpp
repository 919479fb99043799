// screenshot_check SHOT.png PICTURE.92i: does the screenshot show the picture's
// cells as separate black dots on the grey canvas? Exit 0 when it does.
#include "files/PictureFileReader.h"
#include "picture/CanvasGeometry.h"
#include "ui/Canvas.h"

#include <QImage>

#include <cstdio>

namespace {

bool isBackground(const QImage& shot, int x, int y)
{
    return shot.valid(x, y) && shot.pixel(x, y) == Canvas::kBackground;
}

// Whether a run of exactly `length` background pixels starts at (x, y) in the direction (dx, dy).
bool backgroundRun(const QImage& shot, int x, int y, int dx, int dy, int length)
{
    if (isBackground(shot, x - dx, y - dy) || isBackground(shot, x + length * dx, y + length * dy))
        return false;
    for (int i = 0; i < length; ++i)
        if (!isBackground(shot, x + i * dx, y + i * dy))
            return false;
    return true;
}

// The canvas's inner area: its last column and its last row are background
// from edge to edge, and they are the rightmost and lowest such lines.
QPoint innerTopLeft(const QImage& shot)
{
    int right = -1, bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            if (x > right && backgroundRun(shot, x, y, 0, 1, kCanvasInnerHeight))
                right = x;
            if (y > bottom && backgroundRun(shot, x, y, 1, 0, kCanvasInnerWidth))
                bottom = y;
        }
    if (right < 0 || bottom < 0)
        return {-1, -1};
    return {right - (kCanvasInnerWidth - 1), bottom - (kCanvasInnerHeight - 1)};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    const QImage shot = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QString reason;
    if (shot.isNull() || !readPictureFileBytes(QString::fromLocal8Bit(argv[2]), bytes, reason))
        return 2;
    const PictureGrid grid = ReadPictureFile(bytes).grid;
    const QPoint origin = innerTopLeft(shot);
    if (origin.x() < 0) {
        std::printf("no canvas on the screen\n");
        return 1;
    }
    int wrong = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const QRect dot = cellDotRect(x, y).translated(origin);
            const QRgb expected = grid.isSet(x, y) ? Canvas::kBlack : Canvas::kBackground;
            const bool dotShows = shot.pixel(dot.bottomRight()) == expected && shot.pixel(dot.topLeft()) == expected;
            const bool gapShows = shot.pixel(dot.right() + 1, dot.top()) == Canvas::kBackground
                                  && shot.pixel(dot.left(), dot.bottom() + 1) == Canvas::kBackground;
            wrong += !(dotShows && gapShows);
        }
    }
    std::printf("canvas at (%d, %d): %d of %d cells wrong\n", origin.x(), origin.y(), wrong, kColumns * kRows);
    return wrong == 0 ? 0 : 1;
}
