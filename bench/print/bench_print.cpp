// Prints an all-black picture (24,720 squares) to a PDF file, as File > Print does, and reports the
// time per page and the file's size.
#include "picture/PictureGrid.h"
#include "print/PageSetupValues.h"
#include "print/PicturePrinting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("black.pdf"));
    constexpr int kRuns = 20;
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (!printPicture(printer, grid, PageSetupValues{})) {
            std::fprintf(stderr, "printing failed\n");
            return 1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("all-black picture to PDF, %d runs: median %.1f ms, best %.1f ms, worst %.1f ms; file %lld bytes\n",
                kRuns, times[kRuns / 2], times.front(), times.back(), static_cast<long long>(QFileInfo(path).size()));
    return 0;
}
