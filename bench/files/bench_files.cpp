// How long Open and Save As of a calculator picture file take, as the user waits for them:
// Open from the dialog's answer to the repainted canvas, Save As from the
// dialog's answer to the file in place.
#include "app/frmPixoram.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void report(const char* what, std::vector<double> milliseconds)
{
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double share) { return milliseconds[static_cast<size_t>(share * (milliseconds.size() - 1))]; };
    std::printf("%-40s median %.3f ms   90%% %.3f ms   max %.3f ms   (%zu runs)\n", what, at(0.5), at(0.9),
                milliseconds.back(), milliseconds.size());
}

std::vector<double> timeRuns(int runs, const std::function<void()>& prepare, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.show();
    QCoreApplication::processEvents();

    // A busy full-screen picture: half the cells set.
    window.markEdited();
    QRandomGenerator random(42);
    window.document.beginStep(QStringLiteral("Pen"));
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            window.document.plotCell(x, y, static_cast<int16_t>(random.bounded(2)));
    }
    window.document.endStep();
    const QString path = dir.filePath(QStringLiteral("bench.9xi"));

    const int runs = 200;
    report("Save As of a 9xi file", timeRuns(runs, [&] { dialogs.fileAnswers.push_back({path, 2}); },
                                              [&] { window.miSaveAs_Click(); }));
    report("Open of a 9xi file, canvas repainted", timeRuns(runs, [&] { dialogs.fileAnswers.push_back({path, 1}); },
                                                            [&] {
                                                                window.miOpen_Click();
                                                                window.Picture1->repaint();
                                                            }));
    if (!dialogs.messages.isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(dialogs.messages.constFirst().text));
    return dialogs.messages.isEmpty() ? 0 : 1;
}
