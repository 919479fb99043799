// Import of a 4000 x 3000 JPEG photo: the time from the file dialog's answer to the
// confirmation box against Qt's reader decoding the same file alone, and the time
// the import takes after Yes. Prints medians of several runs.
#include "app/UserDialogs.h"
#include "app/frmPixoram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers at once and notes when each modal window would have opened and closed.
class TimingDialogs : public UserDialogs {
public:
    QString path;
    QElapsedTimer clock;
    qint64 answered = 0, asked = 0, confirmed = 0;

    MessageAnswer showMessage(QWidget*, const MessageRequest&) override
    {
        asked = clock.nsecsElapsed();
        confirmed = clock.nsecsElapsed();
        return MessageAnswer::Yes;
    }
    std::optional<FileDialogAnswer> showFileDialog(QWidget*, const FileDialogRequest&) override
    {
        answered = clock.nsecsElapsed();
        return FileDialogAnswer{path, 1};
    }
    bool showPrintDialog(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> choosePicture(QWidget*, const QStringList&, const QString&) override { return {}; }
    void showModal(QDialog&) override {}
    void endProgram() override {}
};

// A photo-like picture: noise and gradients, with a black block in the top-left corner
// so that the import paints many cells.
QImage photo()
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(32));
            line[x] = qRgb((x / 16 + noise) % 256, (y / 12 + noise) % 256, ((x + y) / 28 + noise) % 256);
        }
    }
    QPainter painter(&image);
    painter.fillRect(0, 0, 240, 104, Qt::black);
    return image;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    if (!photo().save(path, "JPEG", 90))
        return 1;

    constexpr int kRuns = 7;
    std::vector<double> readerAlone, toQuestion, afterYes;
    TimingDialogs dialogs;
    dialogs.path = path;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QImageReader reader(path);
        const QImage image = reader.read();
        readerAlone.push_back(timer.nsecsElapsed() / 1e6);
        if (image.isNull())
            return 1;

        frmPixoram window(dialogs, QString());
        window.show();
        dialogs.clock.start();
        window.miImport_Click();
        const qint64 finished = dialogs.clock.nsecsElapsed();
        toQuestion.push_back((dialogs.asked - dialogs.answered) / 1e6);
        afterYes.push_back((finished - dialogs.confirmed) / 1e6);
    }
    const double reader = median(readerAlone);
    const double question = median(toQuestion);
    std::printf("4000 x 3000 JPEG, median of %d runs\n", kRuns);
    std::printf("  QImageReader alone:              %8.1f ms\n", reader);
    std::printf("  dialog answer to question box:   %8.1f ms  (ratio %.3f, limit 1.1)\n", question, question / reader);
    std::printf("  import after Yes:                %8.2f ms  (limit 20)\n", median(afterYes));
    return 0;
}
