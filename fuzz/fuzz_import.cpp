// libFuzzer target: the import path from a file's bytes to the picture's cells.
#include "import/ImportCells.h"
#include "import/ImportImage.h"
#include "picture/PictureGrid.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt finds its image format plugins through the application object. The
    // decoders' warnings about broken files would drown libFuzzer's own output.
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QImage> image = decodeImportImage(bytes);
    if (!image)
        return 0;
    PictureGrid grid;
    forEachBlackCell(*image, [&grid](int x, int y) {
        if (PictureGrid::contains(x, y))
            grid.setCell(x, y, 1);
    });
    // A cell off the grid may only be one of row 103, dropped by the receiver.
    forEachBlackCell(*image, [](int x, int y) {
        if (!PictureGrid::contains(x, y) && (y != kRows || x < 0 || x >= kColumns))
            std::abort();
    });
    return 0;
}
