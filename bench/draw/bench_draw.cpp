// Times the two heavy moments of drawing on a shown window: committing a bar over the
// whole canvas, and one drag move of a canvas-sized ellipse outline.
#include "app/frmPixoram.h"
#include "support/ScriptedDialogs.h"
#include "Figures.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void benchFullCanvasBar(frmPixoram& w)
{
    Figures commit, shown;
    for (int run = 0; run < 40; ++run) {
        w.mitool_Click(run % 2 == 0 ? 7 : 8);  // black and white in turn, so every cell changes
        w.Picture1_MouseDown(1, 0.4f, 0.4f);
        w.Picture1_MouseMove(1, 239.4f, 102.4f);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        w.Picture1_MouseUp(1, 239.4f, 102.4f);
        commit.add(timer.nsecsElapsed());
        QApplication::processEvents();
        shown.add(timer.nsecsElapsed());
    }
    commit.print("Bar commit, 24,720 cells through the document");
    shown.print("Bar commit and the repaint that shows it");
}

void benchEllipseMove(frmPixoram& w)
{
    Figures move, shown;
    w.mitool_Click(11);
    w.Picture1_MouseDown(1, 120.0f, 51.5f);
    for (int run = 0; run < 400; ++run) {
        // From the centre to alternate corners: the outline spans the canvas every time.
        const bool left = run % 2 == 0;
        QElapsedTimer timer;
        timer.start();
        w.Picture1_MouseMove(1, left ? 0.2f : 239.8f, left ? 0.3f : 102.7f);
        move.add(timer.nsecsElapsed());
        QApplication::processEvents();
        shown.add(timer.nsecsElapsed());
    }
    w.Picture1_MouseUp(1, 0, 0);
    move.print("Ellipse drag move (remove, draw, schedule repaint)");
    shown.print("Ellipse drag move and its repaint");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.show();
    QApplication::processEvents();
    benchFullCanvasBar(w);
    benchEllipseMove(w);
    return 0;
}
