// Times Undo and Redo of a bar over the whole canvas, what recording a long pen stroke as one
// step adds to drawing it, and the memory a full history of whole-canvas steps takes.
#include "app/frmPixoram.h"
#include "picture/CellChange.h"
#include "support/ScriptedDialogs.h"
#include "Figures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QUndoCommand>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Kilobytes of a line of /proc/self/status: VmRSS now, VmHWM the peak.
long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void fullCanvasBar(frmPixoram& w, int tool)
{
    w.mitool_Click(tool);
    w.Picture1_MouseDown(1, 0.4f, 0.4f);
    w.Picture1_MouseMove(1, 239.4f, 102.4f);
    w.Picture1_MouseUp(1, 239.4f, 102.4f);
}

void benchUndoRedo(frmPixoram& w)
{
    Figures undo, redo;
    fullCanvasBar(w, 7);
    QApplication::processEvents();
    for (int run = 0; run < 100; ++run) {
        QElapsedTimer timer;
        timer.start();
        w.miUndo_Click();
        QApplication::processEvents();
        undo.add(timer.nsecsElapsed());
        timer.restart();
        w.miRedo_Click();
        QApplication::processEvents();
        redo.add(timer.nsecsElapsed());
    }
    undo.print("Undo of a full-canvas Bar, with the repaint");
    redo.print("Redo of a full-canvas Bar, with the repaint");
}

// A zigzag of 5,000 moves across the canvas with the pen, press to release.
std::vector<QPointF> strokeMoves()
{
    std::vector<QPointF> moves;
    for (int i = 0; i < 5000; ++i)
        moves.emplace_back(5.5 + (i * 7) % 230, 3.5 + (i * 13) % 97);
    return moves;
}

void benchStroke(frmPixoram& w)
{
    const std::vector<QPointF> moves = strokeMoves();
    Figures drawing, recording;
    for (int run = 0; run < 20; ++run) {
        w.mitool_Click(run % 2 == 0 ? 2 : 1);  // the picture starts black
        QApplication::processEvents();
        const PictureGrid before = w.grid;
        QElapsedTimer timer;
        timer.start();
        w.Picture1_MouseDown(1, moves[0].x(), moves[0].y());
        for (const QPointF& p : moves)
            w.Picture1_MouseMove(1, p.x(), p.y());
        w.Picture1_MouseUp(1, moves.back().x(), moves.back().y());
        QApplication::processEvents();
        drawing.add(timer.nsecsElapsed());

        // What recording adds: the copy at the press, one area union per cell, and at the
        // release the packed difference and its place in the history.
        const PictureGrid after = w.grid;
        QUndoStack history;
        timer.restart();
        const PictureGrid copy = before;
        QRect touched;
        for (int i = 0; i < int(moves.size()) * 2; ++i)
            touched |= QRect(i % kColumns, i % kRows, 1, 1);
        history.push(new QUndoCommand(QStringLiteral("Pen")));
        const CellChange change = CellChange::between(copy, after, touched);
        recording.add(timer.nsecsElapsed());
        if (change.isEmpty())
            std::printf("(the stroke changed nothing)\n");
    }
    drawing.print("Pen stroke of 5,000 moves, recorded as one step");
    recording.print("... of which recording the step");
    std::printf("%-62s %7.2f %%\n", "Recording's share of drawing the stroke", 100 * recording.median() / drawing.median());
}

void benchHistoryMemory(frmPixoram& w, long startKilobytes)
{
    for (int step = 0; step < 1000; ++step)
        fullCanvasBar(w, step % 2 == 0 ? 7 : 8);
    QApplication::processEvents();
    std::printf("%-62s %7d\n", "Steps in the history", w.document.history().count());
    std::printf("%-62s %7.2f MB\n", "Peak memory above start-up after 1,000 full-canvas steps",
                (statusKilobytes("VmHWM:") - startKilobytes) / 1024.0);
    std::printf("%-62s %7.2f MB\n", "Memory now above start-up", (statusKilobytes("VmRSS:") - startKilobytes) / 1024.0);
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.show();
    QApplication::processEvents();
    const long startKilobytes = statusKilobytes("VmRSS:");
    benchHistoryMemory(window, startKilobytes);
    benchUndoRedo(window);
    benchStroke(window);
    return 0;
}
