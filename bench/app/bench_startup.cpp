// Start-up time and memory: the editor with a picture on the command line
// against a bare Qt window that paints nothing, each from process start to its
// first painted frame. Usage: bench_startup PICTURE [runs]
#include "app/QtUserDialogs.h"
#include "app/frmPixoram.h"
#include "ui/Canvas.h"
#include "ui/LayoutFonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Reports the first paint of the watched widget and ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, [] {
                std::printf("painted %ld\n", peakResidentKb());
                std::fflush(stdout);
                _exit(0);
            }, Qt::QueuedConnection);
        return false;
    }
};

int child(int argc, char* argv[], bool bare)
{
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (bare) {
        QWidget window;
        window.installEventFilter(&watcher);
        window.show();
        return app.exec();
    }
    installFontSubstitutes();
    QtUserDialogs dialogs;
    frmPixoram window(dialogs, QString::fromLocal8Bit(argv[2]));
    window.Picture1->installEventFilter(&watcher);
    window.show();
    return app.exec();
}

struct Run {
    double ms;
    long peakKb;
};

Run measure(const QString& self, const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(self, arguments);
    process.waitForReadyRead(30000);
    const double ms = timer.nsecsElapsed() / 1e6;
    const QByteArray line = process.readAllStandardOutput();
    process.waitForFinished(5000);
    return {ms, line.split(' ').value(1).trimmed().toLong()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc >= 2 && (qstrcmp(argv[1], "--bare") == 0 || qstrcmp(argv[1], "--editor") == 0))
        return child(argc, argv, qstrcmp(argv[1], "--bare") == 0);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PICTURE [runs]\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    std::vector<double> bare, editor;
    long bareKb = 0, editorKb = 0;
    for (int i = 0; i < runs; ++i) {
        const Run b = measure(self, {QStringLiteral("--bare")});
        const Run e = measure(self, {QStringLiteral("--editor"), QString::fromLocal8Bit(argv[1])});
        bare.push_back(b.ms);
        editor.push_back(e.ms);
        bareKb = std::max(bareKb, b.peakKb);
        editorKb = std::max(editorKb, e.peakKb);
    }
    const double bareMs = median(bare), editorMs = median(editor);
    std::printf("first paint, median of %d: bare window %.1f ms, editor with a picture %.1f ms, ratio %.2f (target <= 1.5)\n",
                runs, bareMs, editorMs, editorMs / bareMs);
    std::printf("peak resident memory: bare %ld kB, editor %ld kB, difference %.1f MB (target <= 10 MB)\n", bareKb,
                editorKb, (editorKb - bareKb) / 1024.0);
    return 0;
}
