// Whole gestures on the main window's canvas: press, moves and release, as mouse events.
#include "CellRecorder.h"

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "draw/ShapeCells.h"
#include "draw/ShapeOutline.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

namespace {

QPointF innerPosition(const Canvas* canvas, float X, float Y)
{
    return QPointF(canvas->contentsRect().topLeft()) + toInnerPixels(X, Y);
}

// A mouse event at an exact position in canvas units (QTest's own events take whole pixels).
void sendMouse(Canvas* canvas, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, float X, float Y)
{
    const QPointF local = innerPosition(canvas, X, Y);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Plays "tool 3; press 10.4 20.2; move 15.1 22.7; release" with the left button.
// Returns false, after recording the failure, when a shape drag changed the grid
// before its release.
bool play(frmPixoram& w, const QString& script)
{
    float X = 0, Y = 0;
    PictureGrid atPress;
    for (const QString& step : script.split(QLatin1Char(';'))) {
        const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() == 3) {
            X = words[1].toFloat();
            Y = words[2].toFloat();
        }
        if (words[0] == QLatin1String("tool")) {
            w.mitool_Click(words[1].toInt());
        } else if (words[0] == QLatin1String("press")) {
            sendMouse(w.Picture1, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, X, Y);
            atPress = w.grid;
        } else if (words[0] == QLatin1String("move")) {
            sendMouse(w.Picture1, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, X, Y);
        } else {
            if (w.CurrentTool > 2 && !(w.grid == atPress)) {
                QTest::qFail("the grid changed during a shape drag", __FILE__, __LINE__);
                return false;
            }
            sendMouse(w.Picture1, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, X, Y);
        }
    }
    return true;
}

QImage freshPaint(const PictureGrid& grid)
{
    Canvas canvas;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (grid.isSet(x, y))
                canvas.paintCell(x, y, Canvas::kBlack);
        }
    }
    return canvas.image();
}

QStringList gridPicture(const PictureGrid& grid, const QRect& area)
{
    QStringList rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QString row;
        for (int x = area.left(); x <= area.right(); ++x)
            row += PictureGrid::contains(x, y) && grid.isSet(x, y) ? QLatin1Char('X') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

int setCells(const PictureGrid& grid)
{
    int count = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            count += grid.isSet(x, y);
    }
    return count;
}

// The pixels where two images differ, as one bounding rectangle.
QRect differences(const QImage& a, const QImage& b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}

}  // namespace

class tst_DrawGestures : public QObject {
    Q_OBJECT
private slots:
    void gesture_data();
    void gesture();
    void clippedShape_data();
    void clippedShape();
    void preview_data();
    void preview();
    void outlineTwiceRestoresCanvas_data();
    void outlineTwiceRestoresCanvas();
    void firstPressOnlyRearms();
    void pressWithoutPictureStartsEmptyGrid();
    void statusPanelFollowsMouse();
    void rightButtonOpensToolMenu();
    void leftAndRightTogether_data();
    void leftAndRightTogether();
    void middleButton();
    void clrDrawDuringDrag();
    void menuCaptionsFollowToolTable();
};

void tst_DrawGestures::gesture_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QStringList>("picture");  // the whole picture: nothing is set outside the area

    QTest::newRow("pen segment") << "tool 1; press 10 10; move 15.3 12.7; release" << QRect(10, 10, 6, 3)
                                 << QStringList{"XXX...", "...XX.", ".....X"};
    QTest::newRow("pen stops short from a fraction") << "tool 1; press 10.4 10.2; move 15.5 10.5; release"
                                                     << QRect(10, 10, 6, 1) << QStringList{"XXXXX."};
    QTest::newRow("pen's next segment covers it") << "tool 1; press 10.4 10.2; move 15.5 10.5; move 16.2 10.9; release"
                                                  << QRect(10, 10, 7, 1) << QStringList{"XXXXXXX"};
    QTest::newRow("pen click") << "tool 1; press 3.5 4.5; release" << QRect(3, 4, 1, 1) << QStringList{"X"};
    // Outside, the walk goes on; back inside, a straight segment joins the last outside cell.
    QTest::newRow("pen off the canvas and back") << "tool 1; press 2.5 5.5; move -3.2 5.5; move 2.7 7.9; release"
                                                 << QRect(0, 5, 3, 3) << QStringList{"XXX", "XX.", "..X"};
    QTest::newRow("eraser over a bar")
        << "tool 7; press 1.5 1.5; move 6.4 3.4; release; tool 2; press 3.5 2.5; move 5.5 2.5; release"
        << QRect(2, 2, 5, 2) << QStringList{"X..XX", "XXXXX"};
    QTest::newRow("line") << "tool 3; press 10.4 20.2; move 12 21; move 15.1 22.7; release" << QRect(10, 20, 6, 3)
                          << QStringList{"XX....", "..XX..", "....X."};
    QTest::newRow("line back to the press point") << "tool 3; press 5.5 5.5; move 8 7; move 5.5 5.5; release"
                                                  << QRect(5, 5, 4, 3) << QStringList{"....", "....", "...."};
    QTest::newRow("line after a zero-length one")
        << "tool 3; press 5.5 5.5; move 5.5 5.5; release; press 5.5 5.5; move 8.5 5.5; release" << QRect(5, 5, 5, 1)
        << QStringList{"XXXX."};
    QTest::newRow("WhLine over a bar")
        << "tool 7; press 1.5 1.5; move 6.4 3.4; release; tool 4; press 1.5 2.5; move 7.5 2.5; release"
        << QRect(1, 2, 7, 2) << QStringList{".......", ".XXXXX."};
    QTest::newRow("box") << "tool 5; press 1.5 1.5; move 3 3; move 5.2 4.7; release" << QRect(1, 1, 5, 4)
                         << QStringList{"XXXXX", "X...X", "X...X", "XXXXX"};
    QTest::newRow("WhBox over a bar clears the outline only")
        << "tool 7; press 0.5 0.5; move 6.5 5.5; release; tool 6; press 1.5 1.5; move 5.2 4.7; release"
        << QRect(0, 0, 7, 7)
        << QStringList{"XXXXXXX", "X.....X", "X.XXX.X", "X.XXX.X", "X.....X", "XXXXXXX", "XXXXXXX"};
    QTest::newRow("bar") << "tool 7; press 3.5 7.2; move 5 8; move 6.5 9.8; release" << QRect(3, 6, 5, 6)
                         << QStringList{".....", ".XXX.", ".XXX.", ".XXX.", ".XXX.", "....."};
    QTest::newRow("bar click paints nothing") << "tool 7; press 3.5 3.5; release" << QRect(3, 3, 1, 1)
                                              << QStringList{"."};
    QTest::newRow("bar straight down") << "tool 7; press 5.5 2.4; move 5.5 4.6; release" << QRect(5, 2, 3, 4)
                                       << QStringList{".X.", ".X.", ".X.", ".X."};
    // The radius runs from the press point to the corner of the mouse's cell: (25, 20).
    QTest::newRow("circle of radius 5") << "tool 9; press 20 20; move 23.5 21.5; move 25.3 20.6; release"
                                        << QRect(14, 14, 13, 13)
                                        << QStringList{".............", "...XXXXXX....", "..X......X...",
                                                       ".X........X..", ".X........X..", ".X........X..",
                                                       ".X........XX.", ".X........X..", ".X........X..",
                                                       "..X......X...", "...XXXXXX....", ".............",
                                                       "............."};
    QTest::newRow("circle of radius 0") << "tool 9; press 20 20; move 20.7 20.9; release" << QRect(19, 19, 3, 3)
                                        << QStringList{"...", "...", "..."};
    QTest::newRow("ellipse straight down") << "tool 11; press 20.5 20.5; move 20.5 23; move 20.5 25.5; release"
                                           << QRect(19, 15, 3, 11)
                                           << QStringList{"...", ".X.", ".X.", ".X.", ".X.", ".X.", ".X.", ".X.",
                                                          ".X.", ".X.", "..."};
}

void tst_DrawGestures::gesture()
{
    QFETCH(QString, script);
    QFETCH(QRect, area);
    QFETCH(QStringList, picture);

    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (!play(w, script))
        return;
    QCOMPARE(gridPicture(w.grid, area), picture);
    QCOMPARE(setCells(w.grid), int(picture.join(QString()).count(QLatin1Char('X'))));
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));
    QVERIFY(w.drawMode == frmPixoram::DrawMode::CopyPen);
    QVERIFY(!w.miOpen->isEnabled());
}

void tst_DrawGestures::clippedShape_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("release");

    QTest::newRow("line off the left") << 3 << QPointF(5.5, 50.5) << QPointF(-20.3, 60.7);
    QTest::newRow("line off the top") << 3 << QPointF(100.5, 3.5) << QPointF(120.7, -15.2);
    QTest::newRow("line off the right") << 3 << QPointF(230.5, 50.5) << QPointF(260.2, 40.1);
    QTest::newRow("line off the bottom") << 3 << QPointF(100.5, 100.5) << QPointF(90.3, 130.8);
    QTest::newRow("box off right and bottom") << 5 << QPointF(230.5, 95.5) << QPointF(250.5, 110.5);
    QTest::newRow("box off left and top") << 5 << QPointF(5.5, 5.5) << QPointF(-10.5, -7.5);
    QTest::newRow("bar off right and bottom") << 7 << QPointF(235.5, 98.5) << QPointF(245.3, 108.2);
    QTest::newRow("bar off left and top") << 7 << QPointF(3.5, 4.5) << QPointF(-5.5, -6.5);
    QTest::newRow("circle off the left") << 9 << QPointF(2, 50) << QPointF(12.3, 50.5);
    QTest::newRow("circle off every edge") << 9 << QPointF(120, 51) << QPointF(0.5, 0.5);
    QTest::newRow("ellipse off the bottom") << 11 << QPointF(100.5, 100.5) << QPointF(130.5, 110.5);
    QTest::newRow("ellipse off the top") << 11 << QPointF(100.5, 2.5) << QPointF(110.5, -20.5);
}

// A shape partly off the canvas is the same shape on an unbounded grid, cropped.
void tst_DrawGestures::clippedShape()
{
    QFETCH(int, tool);
    QFETCH(QPointF, press);
    QFETCH(QPointF, release);

    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (!play(w, QStringLiteral("tool %1; press %2 %3; move %4 %5; release")
                     .arg(tool).arg(press.x()).arg(press.y()).arg(release.x()).arg(release.y())))
        return;

    CellRecorder unbounded;
    shapeCells(findTool(tool)->shape,
               {float(press.x()), float(press.y()), w.EndX, w.EndY, w.Radius}, unbounded.sink());
    PictureGrid expected;
    for (const QPoint& cell : unbounded.cells) {
        if (PictureGrid::contains(cell.x(), cell.y()))
            expected.setCell(cell.x(), cell.y(), 1);
    }
    QVERIFY(setCells(expected) > 0);
    // The box leaves out cells past the last column and row itself.
    QVERIFY(!PictureGrid::contains(int(std::floor(release.x())), int(std::floor(release.y())))
            || std::any_of(unbounded.cells.cbegin(), unbounded.cells.cend(),
                           [](const QPoint& cell) { return !PictureGrid::contains(cell.x(), cell.y()); }));
    QVERIFY(w.grid == expected);
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));
}

void tst_DrawGestures::preview_data()
{
    QTest::addColumn<QString>("script");  // a drag without its release
    QTest::addColumn<QRectF>("outline");   // where the last outline lies, in canvas units

    // Each move removes the outline before; bars show theirs empty.
    QTest::newRow("bar") << "tool 7; press 3.5 7.2; move 30 30; move 6.5 9.8" << QRectF(3.5, 7.2, 3, 2.6);
    QTest::newRow("line") << "tool 3; press 40.5 20.5; move 90 90; move 60.5 30.5" << QRectF(40.5, 20.5, 20, 10);
    // Semi-axes in canvas units: 2 x 5 units across and down.
    QTest::newRow("circle") << "tool 9; press 20 20; move 60 60; move 25.3 20.6" << QRectF(15, 15, 10, 10);
    // Aspect 1000: the outline is 2 x radius high and next to nothing wide.
    QTest::newRow("ellipse straight down") << "tool 11; press 20 20; move 50 30; move 20 25.5"
                                           << QRectF(20, 15, 0, 10);
}

void tst_DrawGestures::preview()
{
    QFETCH(QString, script);
    QFETCH(QRectF, outline);

    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (!play(w, script))
        return;
    QVERIFY(w.grid == PictureGrid());
    const QRect changed = differences(w.Picture1->image(), freshPaint(w.grid));
    const QRectF expected(toInnerPixels(outline.left(), outline.top()),
                          toInnerPixels(outline.right(), outline.bottom()));
    // Within the rounding of the end points to pixels.
    const auto near = [](double a, double b) { return qAbs(a - b) <= 1.5; };
    QVERIFY2(near(changed.left(), expected.left()) && near(changed.right(), expected.right())
                 && near(changed.top(), expected.top()) && near(changed.bottom(), expected.bottom()),
             qPrintable(QStringLiteral("outline at %1,%2 %3x%4").arg(changed.x()).arg(changed.y())
                            .arg(changed.width()).arg(changed.height())));
    if (outline.width() > 2 && outline.height() > 2 && w.CurrentTool != 3)
        QCOMPARE(w.Picture1->image().pixel(expected.center().toPoint()), Canvas::kBackground);
}

void tst_DrawGestures::outlineTwiceRestoresCanvas_data()
{
    QTest::addColumn<ToolShape>("shape");
    QTest::addColumn<QRectF>("drag");  // press point and end point
    QTest::addColumn<double>("radius");

    QTest::newRow("line") << ToolShape::Line << QRectF(QPointF(10.4, 20.2), QPointF(15.1, 22.7)) << 0.0;
    QTest::newRow("zero-length line") << ToolShape::Line << QRectF(10.4, 20.2, 0, 0) << 0.0;
    QTest::newRow("bar") << ToolShape::Bar << QRectF(QPointF(3.5, 7.2), QPointF(6.5, 9.8)) << 0.0;
    QTest::newRow("flat box") << ToolShape::Box << QRectF(3.5, 7.2, 30, 0) << 0.0;
    QTest::newRow("box off the canvas") << ToolShape::Box << QRectF(QPointF(230.5, 95.5), QPointF(250, -10)) << 0.0;
    QTest::newRow("circle") << ToolShape::Circle << QRectF(20, 20, 0, 0) << 5.0;
    QTest::newRow("zero circle") << ToolShape::Circle << QRectF(20, 20, 0, 0) << 0.0;
    QTest::newRow("largest circle") << ToolShape::Circle << QRectF(120, 51, 0, 0) << 261.0;
    QTest::newRow("flat ellipse") << ToolShape::Ellipse << QRectF(20, 20, 9, 0) << 9.0;
    QTest::newRow("vertical ellipse") << ToolShape::Ellipse << QRectF(20, 20, 0, 9) << 9.0;
}

void tst_DrawGestures::outlineTwiceRestoresCanvas()
{
    QFETCH(ToolShape, shape);
    QFETCH(QRectF, drag);
    QFETCH(double, radius);

    Canvas canvas;
    for (int x = 0; x < kColumns; x += 2) {
        for (int y = x % 3; y < kRows; y += 3)
            canvas.paintCell(x, y, Canvas::kBlack);
    }
    const QImage before = canvas.image();
    const Outline outline = shapeOutline(shape, {float(drag.left()), float(drag.top()), float(drag.right()),
                                                 float(drag.bottom()), radius});
    canvas.toggleOutline(outline);
    canvas.toggleOutline(outline);
    QCOMPARE(canvas.image(), before);
}

void tst_DrawGestures::firstPressOnlyRearms()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.SavedTool = 9;
    const QPoint where(100, 60);
    QTest::mouseClick(w.Picture1, Qt::LeftButton, {}, where);
    QVERIFY(w.grid == PictureGrid());
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));
    QCOMPARE(w.CurrentTool, int16_t(9));
    for (int item = 1; item <= 12; ++item)
        QCOMPARE(w.mitool[item]->isChecked(), item == 9);
    QVERIFY(!w.miOpen->isEnabled() && w.miPrint->isEnabled() && w.miSaveAs->isEnabled());
    QVERIFY(!w.Image11->isHidden() && w.Image5->isHidden() && w.Image8->isHidden());

    w.mitool_Click(1);
    QTest::mouseClick(w.Picture1, Qt::LeftButton, {}, where);
    const CanvasPoint units = toCanvasUnits(QPointF(where - w.Picture1->contentsRect().topLeft()));
    QCOMPARE(setCells(w.grid), 1);
    QVERIFY(w.grid.isSet(int(units.X), int(units.Y)));
}

void tst_DrawGestures::pressWithoutPictureStartsEmptyGrid()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(7, 7, 1);  // left over, while no picture is present
    QVERIFY(play(w, QStringLiteral("tool 1; press 3.5 3.5; release")));
    QCOMPARE(gridPicture(w.grid, QRect(3, 3, 5, 5)), (QStringList{"X....", ".....", ".....", ".....", "....."}));
}

void tst_DrawGestures::statusPanelFollowsMouse()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    sendMouse(w.Picture1, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, 12.5f, 40.2f);
    QCOMPARE(w.statusPanel2->text(), QStringLiteral("( 12,  40)"));
    sendMouse(w.Picture1, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, -0.5f, 5.5f);
    QCOMPARE(w.statusPanel2->text(), QStringLiteral("(-1,  5)"));
}

void tst_DrawGestures::rightButtonOpensToolMenu()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.markFileLoaded();
    w.mitool_Click(3);
    const QPoint where(200, 100);
    QTest::mousePress(w.Picture1, Qt::RightButton, {}, where);
    QVERIFY(w.miTools->isVisible());
    QVERIFY((w.miTools->geometry().topLeft() - w.Picture1->mapToGlobal(where)).manhattanLength() <= 2);
    const CanvasPoint units = toCanvasUnits(QPointF(where - w.Picture1->contentsRect().topLeft()));
    QCOMPARE(w.StartX, units.X);
    QCOMPARE(w.StartY, units.Y);
    QVERIFY(w.miOpen->isEnabled() && w.Image11->isHidden());  // not marked edited
    QVERIFY(w.grid == PictureGrid());

    QTest::mouseClick(w.miTools, Qt::LeftButton, {}, w.miTools->actionGeometry(w.mitool[10]).center());
    QTest::mouseRelease(w.Picture1, Qt::RightButton, {}, where);
    QVERIFY(!w.miTools->isVisible());
    QCOMPARE(w.CurrentTool, int16_t(10));
    for (int item = 1; item <= 12; ++item)
        QCOMPARE(w.mitool[item]->isChecked(), item == 10);

    // The white circle clears its cells out of a bar.
    QVERIFY(play(w, QStringLiteral("tool 7; press 10.5 10.5; move 30.5 30.5; release; tool 10; "
                                   "press 20 20; move 25.3 20.6; release")));
    CellRecorder circle;
    shapeCells(ToolShape::Circle, {20, 20, 20, 20, 5}, circle.sink());
    for (int x = 10; x <= 30; ++x) {
        for (int y = 10; y <= 30; ++y)
            QCOMPARE(w.grid.isSet(x, y), !circle.cells.contains(QPoint(x, y)));
    }
}

void tst_DrawGestures::leftAndRightTogether_data()
{
    QTest::addColumn<int>("tool");
    QTest::newRow("pen") << 1;
    QTest::newRow("box: dropped with its outline") << 5;
}

void tst_DrawGestures::leftAndRightTogether()
{
    QFETCH(int, tool);

    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.mitool_Click(tool);
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(w.Picture1, QPoint(80, 70));
    QTest::mousePress(w.Picture1, Qt::RightButton, {}, QPoint(80, 70));
    w.miTools->hide();
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));  // no outline left
    const PictureGrid atRightPress = w.grid;
    QTest::mouseMove(w.Picture1, QPoint(120, 90));
    QCOMPARE(w.statusPanel2->text(), QStringLiteral("( 52,  35)"));
    QTest::mouseRelease(w.Picture1, Qt::RightButton, {}, QPoint(120, 90));
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, QPoint(120, 90));
    QVERIFY(w.grid == atRightPress);
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));
    QCOMPARE(w.CurrentTool, int16_t(tool));
}

void tst_DrawGestures::middleButton()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.mitool_Click(1);
    QTest::mousePress(w.Picture1, Qt::MiddleButton, {}, QPoint(50, 50));
    QTest::mouseMove(w.Picture1, QPoint(120, 90));
    QTest::mouseRelease(w.Picture1, Qt::MiddleButton, {}, QPoint(120, 90));
    QCOMPARE(setCells(w.grid), 1);
    QVERIFY(!w.miOpen->isEnabled());
}

// ClrDraw from the keyboard in the middle of a drag: no stray outline afterwards.
void tst_DrawGestures::clrDrawDuringDrag()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    QVERIFY(play(w, QStringLiteral("tool 5; press 10.5 10.5; move 40.5 30.5")));
    w.miCls_Click();
    QVERIFY(play(w, QStringLiteral("move 50.5 40.5; release")));
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));
    QCOMPARE(gridPicture(w.grid, QRect(10, 10, 2, 2)), (QStringList{"XX", "X."}));
}

void tst_DrawGestures::menuCaptionsFollowToolTable()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    for (const Tool& tool : kTools)
        QCOMPARE(w.mitool[tool.number]->text(), QString::fromLatin1(tool.caption));
}

QTEST_MAIN(tst_DrawGestures)
#include "tst_drawgestures.moc"
