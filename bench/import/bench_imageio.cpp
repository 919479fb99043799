// Times the "Import Image" dialog opening on a 4000 x 3000 JPEG against decoding it alone, its
// preview following slider moves, Export PNG, and each transform with its repaint.
#include "app/frmPixoram.h"
#include "files/PicturePng.h"
#include "support/ScriptedDialogs.h"
#include "Figures.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSlider>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Something like a photo: smooth shading with fine noise, which JPEG does not compress away.
QString writePhoto(const QTemporaryDir& dir)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(24));
            line[x] = qRgb((x / 16 + noise) % 256, (y / 12 + noise) % 256, ((x + y) / 28 + noise) % 256);
        }
    }
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    image.save(path, "JPEG", 90);
    return path;
}

void settle()
{
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString photo = writePhoto(dir);

    Figures decode, open, level, brightness, rotate;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        QImageReader reader(photo);
        const QImage image = reader.read();
        decode.add(timer.nsecsElapsed());
    }

    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.show();
    settle();
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        dialogs.fileAnswers.push_back({photo, 1});
        dialogs.modalActions.push_back([&, run](QDialog& dialog) {
            settle();
            open.add(timer.nsecsElapsed());
            if (run > 0) {
                dialog.reject();
                return;
            }
            // Fifty moves of each slider, every one shown before the next.
            for (auto [name, figures, from] : {std::tuple{"level", &level, 100}, {"brightness", &brightness, -25}}) {
                auto* slider = dialog.findChild<QSlider*>(QLatin1String(name));
                for (int move = 1; move <= 50; ++move) {
                    QElapsedTimer moveTimer;
                    moveTimer.start();
                    slider->setValue(from + move);
                    settle();
                    figures->add(moveTimer.nsecsElapsed());
                }
            }
            auto* rotation = dialog.findChild<QComboBox*>(QStringLiteral("rotation"));
            for (int index : {1, 2, 3, 0}) {
                QElapsedTimer turnTimer;
                turnTimer.start();
                rotation->setCurrentIndex(index);
                settle();
                rotate.add(turnTimer.nsecsElapsed());
            }
            dialog.reject();
        });
        timer.start();
        w.miImportImage_Click();
    }
    decode.print("QImageReader alone, 4000 x 3000 JPEG");
    open.print("Import Image: file read, dialog shown with its preview");
    std::printf("%-58s %.2f\n", "  ratio of the medians", open.median() / decode.median());
    level.print("Preview after a Level slider move");
    brightness.print("Preview after a Brightness slider move");
    rotate.print("Preview after a rotation (grey levels anew)");

    Figures exportPng, exportLarge;
    w.changePicture(QStringLiteral("Sample"), [] {
        PictureGrid grid;
        for (int x = 0; x < kColumns; ++x)
            for (int y = 0; y < kRows; ++y)
                grid.setCell(x, y, (x * y) % 7 < 3 ? 1 : 0);
        return grid;
    }());
    for (auto [figures, filter] : {std::pair{&exportPng, 1}, {&exportLarge, 2}}) {
        for (int run = 0; run < 50; ++run) {
            dialogs.fileAnswers.push_back({dir.filePath(QStringLiteral("out.png")), filter});
            QElapsedTimer timer;
            timer.start();
            w.miExportPng_Click();
            figures->add(timer.nsecsElapsed());
        }
    }
    exportPng.print("Export PNG, 240 x 103, written to disk");
    exportLarge.print("Export PNG enlarged 4x, 960 x 412, written to disk");
    // The write above waits for the disk, as every save does; the PNG itself costs this much.
    Figures encode;
    for (int run = 0; run < 50; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray png = picturePng(w.grid);
        encode.add(timer.nsecsElapsed());
    }
    encode.print("Export PNG, the 240 x 103 file's bytes alone");

    const std::vector<std::pair<const char*, std::function<void()>>> transforms{
        {"Invert, with the repaint", [&] { w.miInvert_Click(); }},
        {"Flip Horizontal, with the repaint", [&] { w.miFlipHorizontal_Click(); }},
        {"Flip Vertical, with the repaint", [&] { w.miFlipVertical_Click(); }},
        {"Shift by one cell, with the repaint", [&] { w.Picture1_KeyDown(Qt::Key_Right, false); }},
    };
    for (const auto& [what, transform] : transforms) {
        Figures figures;
        for (int run = 0; run < 100; ++run) {
            QElapsedTimer timer;
            timer.start();
            transform();
            settle();
            figures.add(timer.nsecsElapsed());
            if (run % 20 == 19)
                w.miInvert_Click();  // keeps cells to shift
        }
        figures.print(what);
    }
    return 0;
}
