// Snap, Send and Receive against the virtual calculator: from the click to the
// repainted canvas (Snap, Receive) or the restored caption (Send), the link
// component's share of it, and what showing the progress costs a Send. Runs
// offscreen; uses the virtual link, so run no link test meanwhile.
#include "VirtualCalc.h"

#include "app/frmPixoram.h"
#include "app/link/LinkFeedback.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double report(const char* what, const std::function<void()>& run)
{
    constexpr int runs = 40;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %6.2f ms, best %6.2f, worst %6.2f (target < 50 ms)\n", what, ms[runs / 2], ms.front(),
                ms.back());
    return ms[runs / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    VirtualCalc calc({QStringLiteral("--screen"),
                      QStringLiteral(PIXORAM_TESTDATA "/link/linkguide__ti92+_screenshot.bin"), QStringLiteral("--var"),
                      QStringLiteral(PIXORAM_TESTDATA "/real/tilibs__ti89_group.89g")});
    if (!calc.isReady()) {
        std::fprintf(stderr, "the virtual calculator did not start\n");
        return 1;
    }
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.show();
    window.miEmulator_Click();
    window.Command1_Click();  // attaches the cable

    report("Snap: click to repainted canvas", [&] {
        window.ClearPicture();
        window.Command1_Click();
        window.Picture1->repaint();
    });
    report("Send: click to restored caption", [&] {
        window.Command2_Click();
        window.Command2->repaint();
    });
    report("  of which GetScreen (link component)", [&] { (void)window.TI92PlusCalc.GetScreen(window.calcVariable); });
    window.calcVariable.SetPicture(window.Picture4);
    window.calcVariable.SetName(QStringLiteral("main\\picture"));
    report("  of which SendVariable (link component)",
           [&] { (void)window.TI92PlusCalc.SendVariable(window.calcVariable); });
    // With and without the bar in turn, so that a busy machine slows both alike.
    std::vector<double> plain, shown;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        (void)window.TI92PlusCalc.SendVariable(window.calcVariable);
        plain.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        {
            const ProgressBarFeed feed(window.TI92PlusCalc, *window.ProgressBar1);
            (void)window.TI92PlusCalc.SendVariable(window.calcVariable);
        }
        shown.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(plain.begin(), plain.end());
    std::sort(shown.begin(), shown.end());
    std::printf("SendVariable median %.2f ms without the bar, %.2f ms with it: progress adds %.1f%% (target at "
                "most 5%%)\n",
                plain[100], shown[100], (shown[100] / plain[100] - 1) * 100);

    report("Receive: click to repainted canvas", [&] {
        dialogs.pictureAnswers.push_back(QStringLiteral("group\\pic"));
        window.miReceive_Click();
        window.Picture1->repaint();
    });
    CalcVariable received;
    received.SetName(QStringLiteral("group\\pic"));
    report("  of which ReceiveVariable (link component)",
           [&] { (void)window.TI92PlusCalc.ReceiveVariable(received); });
    QStringList names;
    report("  of which ListPictures (link component)", [&] { (void)window.TI92PlusCalc.ListPictures(names); });
    if (!dialogs.messages.isEmpty())
        std::printf("%lld transfers failed: %s\n", static_cast<long long>(dialogs.messages.size()),
                    qPrintable(dialogs.messages.front().text));
    return 0;
}
