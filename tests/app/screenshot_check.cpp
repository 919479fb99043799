// screenshot_check SHOT.png PICTURE.92i: does the screenshot show the picture's canvas, pixel for
// pixel as the editor paints it? Exit 0 when it does.
#include "files/PictureFileReader.h"
#include "ui/Canvas.h"

#include <QApplication>
#include <QColorSpace>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    // Qt's own options are not read from the arguments: a picture may be named "-reverse".
    int qtArgc = 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(qtArgc, argv);
    QImage shot = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    shot.setColorSpace(QColorSpace());  // the pixels are compared, whatever space the file names
    QByteArray bytes;
    QString reason;
    if (shot.isNull() || !readPictureFileBytes(QString::fromLocal8Bit(argv[2]), bytes, reason))
        return 2;
    Canvas canvas;
    canvas.showCells(ReadPictureFile(bytes).grid, QRect(0, 0, kColumns, kRows));
    const QImage expected = canvas.image().convertToFormat(QImage::Format_RGB32);
    // Where the top row matches, the whole canvas is compared.
    for (int y = 0; y + expected.height() <= shot.height(); ++y) {
        for (int x = 0; x + expected.width() <= shot.width(); ++x) {
            if (std::memcmp(shot.constScanLine(y) + 4 * x, expected.constScanLine(0), 4 * expected.width()) == 0
                && shot.copy(x, y, expected.width(), expected.height()) == expected) {
                std::printf("canvas at (%d, %d)\n", x, y);
                return 0;
            }
        }
    }
    std::printf("no canvas on the screen\n");
    return 1;
}
