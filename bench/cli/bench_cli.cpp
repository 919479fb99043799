// pixoram-cli timed as whole processes, as a script meets it: one conversion
// against ImageMagick's threshold of the same file, a batch of 1,000 images in
// one call, and a snap over the virtual calculator (so run no link test meanwhile).
#include "VirtualCalc.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds one run of the program takes, start to exit; negative when it fails.
double runMs(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

double medianMs(const QString& program, const QStringList& arguments, int runs)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i)
        ms.push_back(runMs(program, arguments));
    std::sort(ms.begin(), ms.end());
    return ms.front() < 0 ? -1 : ms[ms.size() / 2];
}

QImage noiseImage(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int grey = int(random.bounded(256));
            image.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString cli = QStringLiteral(PIXORAM_CLI_PATH);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("in.png"));
    noiseImage(240, 103, 1).save(png);

    constexpr int runs = 31;
    const double ours = medianMs(cli, {"convert", "-q", png, dir.filePath("out.9xi")}, runs);
    const double magick = medianMs(QStringLiteral("/usr/bin/convert-im6.q16"),
                                   {png, "-threshold", "50%", dir.filePath("out.pbm")}, runs);
    std::printf("convert 240 x 103 PNG to 9xi      median %6.2f ms; ImageMagick threshold to PBM %6.2f ms; "
                "ratio %.2f (target <= 0.8)\n",
                ours, magick, magick > 0 ? ours / magick : 0.0);

    constexpr int files = 1000;
    QDir(dir.path()).mkdir("batch");
    QDir(dir.path()).mkdir("out");
    QStringList batch{"convert", "-q"};
    for (int i = 0; i < files; ++i) {
        const QString path = dir.filePath(QStringLiteral("batch/%1.png").arg(i));
        noiseImage(240, 103, quint32(i)).save(path);
        batch << path;
    }
    // Each output is synced to its disk before it replaces the old file: the
    // figure in memory (tmpfs) tells the program's own share apart from the disk's.
    const QTemporaryDir memory(QStringLiteral("/dev/shm/pixoram-bench-XXXXXX"));
    for (const auto& [where, out] : {std::pair{"on disk  ", dir.filePath("out")}, std::pair{"in tmpfs ", memory.path()}}) {
        if (out.isEmpty())
            continue;
        const double batchMs = medianMs(cli, batch + QStringList{"-o", out}, 3);
        std::printf("convert a batch of %d PNGs %s %8.1f ms in all, %.3f ms a file (target <= 2)\n", files, where,
                    batchMs, batchMs / files);
    }

    VirtualCalc calculator({QStringLiteral("--screen"),
                            QStringLiteral(PIXORAM_TESTDATA "/link/linkguide__ti92+_screenshot.bin"),
                            QStringLiteral("--lifetime"), QStringLiteral("600")});
    if (!calculator.isReady()) {
        std::fprintf(stderr, "the virtual calculator did not start\n");
        return 1;
    }
    const double snap = medianMs(cli, {"snap", "-q", dir.filePath("screen.png"), "--cable", "emulator"}, runs);
    std::printf("snap to PNG over the virtual link   median %6.2f ms (target <= 100)\n", snap);
    return 0;
}
