// Undo and Redo on the real window: gestures with mouse events, commands from the keyboard.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "draw/ToolTable.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace {

void sendMouse(Canvas* canvas, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, float X, float Y)
{
    const QPointF local = QPointF(canvas->contentsRect().topLeft()) + toInnerPixels(X, Y);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// A left-button drag through the points, in canvas units.
void drag(frmPixoram& w, const QList<QPointF>& points)
{
    sendMouse(w.Picture1, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, points[0].x(), points[0].y());
    for (const QPointF& p : points.mid(1))
        sendMouse(w.Picture1, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, p.x(), p.y());
    const QPointF end = points.last();
    sendMouse(w.Picture1, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, end.x(), end.y());
}

// Everything the user sees of the picture and its state.
struct Seen {
    PictureGrid grid;
    QImage canvas;
    QStringList texts;  // folder, variable, comment, status, file
    QString commands;

    bool operator==(const Seen&) const = default;
};

Seen seen(const frmPixoram& w)
{
    QString commands;
    for (const QAction* item : {w.miOpen, w.miSave, w.miSaveAs, w.miPrint})
        commands += item->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    for (const QWidget* cover : {static_cast<QWidget*>(w.Image11), static_cast<QWidget*>(w.Image5),
                                 static_cast<QWidget*>(w.Image8)})
        commands += cover->isHidden() ? QLatin1Char('0') : QLatin1Char('1');
    return {w.grid,
            w.Picture1->image(),
            {w.Text3->text(), w.Text2->text(), w.Text1->text(), w.statusPanel1->text(), w.CurrentFileName},
            commands};
}

// The canvas as a fresh paint of the grid shows it.
QImage freshPaint(const PictureGrid& grid)
{
    Canvas canvas;
    canvas.showCells(grid, QRect(0, 0, kColumns, kRows));
    return canvas.image();
}

// A window showing a picture with black and white areas, so that every tool changes something.
void drawBackground(frmPixoram& w)
{
    w.mitool_Click(7);
    drag(w, {{100.5, 10.5}, {200.5, 90.5}});
    w.mitool_Click(1);
    drag(w, {{5.5, 5.5}, {60.5, 50.5}, {90.5, 20.5}});
}

bool activate(frmPixoram& w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

}  // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void everyToolUndoesAndRedoes_data();
    void everyToolUndoesAndRedoes();
    void clrDrawFromTheCommentBoxComesBack();
    void nothingChangedIsNoStep();
    void undoDuringAShapeDragDropsTheShape();
    void savedPictureOffersOpenAgain();
    void openingStartsANewHistory();
};

void TestUndo::everyToolUndoesAndRedoes_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QList<QPointF>>("points");
    const QList<QPointF> across{{80.3, 30.6}, {120.2, 50.1}, {150.7, 70.4}};
    const QList<QPointF> freehand{{20.5, 80.5}, {130.5, 40.5}, {170.5, 95.5}, {-10.5, 60.5}};
    for (const Tool& tool : kTools)
        QTest::newRow(tool.caption) << int(tool.number) << (tool.shape == ToolShape::Freehand ? freehand : across);
}

void TestUndo::everyToolUndoesAndRedoes()
{
    QFETCH(int, tool);
    QFETCH(QList<QPointF>, points);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    QVERIFY(activate(w));
    drawBackground(w);
    w.mitool_Click(tool);
    const Seen before = seen(w);
    drag(w, points);
    const Seen after = seen(w);
    QVERIFY(!(after.grid == before.grid));
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo ") + QLatin1String(findTool(tool)->caption));

    QTest::keyClick(w.Picture1, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.grid == before.grid);
    QCOMPARE(w.Picture1->image(), before.canvas);
    QVERIFY(seen(w) == before);
    QVERIFY(w.miRedo->isEnabled());

    QTest::keyClick(w.Picture1, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(seen(w) == after);
    QTest::keyClick(w.Picture1, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w.Picture1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(seen(w) == after);
}

void TestUndo::clrDrawFromTheCommentBoxComesBack()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QStringLiteral(PIXORAM_SOURCE_DIR "/tests/app/data/sine.92i"));
    QVERIFY(activate(w));
    drag(w, {{10.5, 10.5}, {10.5, 10.5}});  // re-arms the pen
    drag(w, {{10.5, 10.5}, {50.5, 60.5}});
    w.Text1->setText(QStringLiteral("typed"));
    const Seen before = seen(w);
    QVERIFY(w.grid.isSet(10, 10));

    w.Text1->setFocus();
    w.Text1->selectAll();
    QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
    const Seen cleared = seen(w);
    QCOMPARE(cleared.grid, PictureGrid());
    QCOMPARE(cleared.texts, (QStringList{"main", "picture", "made with PIXORAM", "", ""}));
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo ClrDraw"));

    QTest::keyClick(w.Text1, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(seen(w) == before);
    QCOMPARE(w.miRedo->text(), QStringLiteral("&Redo ClrDraw"));
    QTest::keyClick(w.Text1, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(seen(w) == cleared);
}

void TestUndo::nothingChangedIsNoStep()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drag(w, {{10.5, 10.5}});  // re-arms the pen
    w.mitool_Click(5);
    drag(w, {{-20.5, -20.5}, {-5.5, -3.5}});  // a box wholly off the canvas
    w.mitool_Click(2);
    drag(w, {{30.5, 30.5}, {40.5, 35.5}});  // erasing white
    QVERIFY(!w.miUndo->isEnabled());
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo"));
    QVERIFY(!w.miRedo->isEnabled());
}

void TestUndo::undoDuringAShapeDragDropsTheShape()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    QVERIFY(activate(w));
    drawBackground(w);
    const PictureGrid beforeStroke = [&] {
        w.miUndo_Click();
        const PictureGrid grid = w.grid;
        w.miRedo_Click();
        return grid;
    }();
    w.mitool_Click(11);
    sendMouse(w.Picture1, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 120.5, 50.5);
    sendMouse(w.Picture1, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 160.5, 70.5);
    QTest::keyClick(w.Picture1, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.grid == beforeStroke);
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));  // no outline left
    sendMouse(w.Picture1, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 160.5, 70.5);
    QVERIFY(w.grid == beforeStroke);
    QCOMPARE(w.miRedo->text(), QStringLiteral("&Redo Pen"));
}

void TestUndo::savedPictureOffersOpenAgain()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QStringLiteral(PIXORAM_SOURCE_DIR "/tests/app/data/sine.92i"));
    drag(w, {{10.5, 10.5}});
    drag(w, {{10.5, 10.5}, {20.5, 10.5}});
    w.markSaved();
    drag(w, {{10.5, 30.5}, {20.5, 30.5}});
    QVERIFY(!w.miOpen->isEnabled() && !w.Image11->isHidden());
    w.miUndo_Click();
    QVERIFY(w.miOpen->isEnabled() && w.Image11->isHidden());
    w.miUndo_Click();  // back to the picture as read from the file: not the one saved last
    QVERIFY(!w.miOpen->isEnabled() && !w.Image11->isHidden());
    w.miRedo_Click();
    QVERIFY(w.miOpen->isEnabled());
    w.miRedo_Click();
    QVERIFY(!w.miOpen->isEnabled());
}

void TestUndo::openingStartsANewHistory()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drag(w, {{10.5, 10.5}});
    drag(w, {{10.5, 10.5}, {20.5, 10.5}});
    QVERIFY(w.miUndo->isEnabled());
    w.Picture1_OLEDragDrop({QStringLiteral(PIXORAM_SOURCE_DIR "/tests/app/data/sine.92i")});
    QVERIFY(!w.miUndo->isEnabled());
    QVERIFY(!w.miRedo->isEnabled());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
