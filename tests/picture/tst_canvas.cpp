// The cell routine, the repaint rule and the dots on the canvas.
#include "app/frmPixoram.h"
#include "picture/CanvasGeometry.h"
#include "picture/Outline.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

namespace {

// The colour the canvas shows at the centre of cell (x, y)'s dot.
QRgb dotColour(const frmPixoram& window, int x, int y)
{
    return window.Picture1->image().pixel(cellDotRect(x, y).topLeft());
}

int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == Canvas::kBlack;
    return count;
}

}  // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void everyDotIsSeparateFromItsNeighbours();
    void dotsStayInsideTheCanvas();
    void mouseMappingIsInCanvasUnits_data();
    void mouseMappingIsInCanvasUnits();
    void plotCellIgnoresCellsOutsideTheGrid_data();
    void plotCellIgnoresCellsOutsideTheGrid();
    void plotCellFollowsTheTool_data();
    void plotCellFollowsTheTool();
    void repaintDrawsNothingWhileSaveAsIsDisabled();
    void repaintDrawsEverySetCell();
    void outlineDrawnTwiceRestoresTheCanvas();
    void ti89AreaIsShownLighterAndLosesNothing();
};

void TestCanvas::everyDotIsSeparateFromItsNeighbours()
{
    // Even in an all-black picture each dot keeps a background pixel to its right and below.
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const QRect dot = cellDotRect(x, y);
            QVERIFY2(!dot.isEmpty(), qPrintable(QStringLiteral("cell %1,%2").arg(x).arg(y)));
            QVERIFY(cellDotRect(x + 1, y).left() - dot.right() >= 2);
            QVERIFY(cellDotRect(x, y + 1).top() - dot.bottom() >= 2);
        }
    }
}

void TestCanvas::dotsStayInsideTheCanvas()
{
    const QRect inner(0, 0, kCanvasInnerWidth, kCanvasInnerHeight);
    QVERIFY(inner.contains(cellDotRect(0, 0)));
    QVERIFY(inner.contains(cellDotRect(239, 102)));
    // The gap of the last cell is the last background pixel of the canvas.
    QCOMPARE(cellDotRect(239, 102).right(), kCanvasInnerWidth - 2);
    QCOMPARE(cellDotRect(239, 102).bottom(), kCanvasInnerHeight - 2);
}

void TestCanvas::mouseMappingIsInCanvasUnits_data()
{
    QTest::addColumn<QPointF>("pixel");
    QTest::addColumn<float>("X");
    QTest::addColumn<float>("Y");
    QTest::newRow("origin") << QPointF(0, 0) << 0.0f << 0.0f;
    QTest::newRow("far corner") << QPointF(543, 254) << 240.0f << 103.0f;
    QTest::newRow("one pixel") << QPointF(1, 1) << float(240.0 / 543) << float(103.0 / 254);
    QTest::newRow("left of the canvas") << QPointF(-3, 10) << float(-3 * 240.0 / 543) << float(10 * 103.0 / 254);
}

void TestCanvas::mouseMappingIsInCanvasUnits()
{
    QFETCH(QPointF, pixel);
    QFETCH(float, X);
    QFETCH(float, Y);
    const CanvasPoint p = toCanvasUnits(pixel);
    QCOMPARE(p.X, X);
    QCOMPARE(p.Y, Y);
}

void TestCanvas::plotCellIgnoresCellsOutsideTheGrid_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("right of the grid") << 240 << 5;
    QTest::newRow("left of the grid") << -1 << 5;
    QTest::newRow("below the grid") << 5 << 103;
    QTest::newRow("above the grid") << 5 << -1;
}

void TestCanvas::plotCellIgnoresCellsOutsideTheGrid()
{
    QFETCH(int, x);
    QFETCH(int, y);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    const QImage before = window.Picture1->image();
    window.CurrentTool = 1;
    window.PlotCell(static_cast<int16_t>(x), static_cast<int16_t>(y));
    QCOMPARE(window.grid, PictureGrid());
    QCOMPARE(window.Picture1->image(), before);
}

void TestCanvas::plotCellFollowsTheTool_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("pen sets") << 1 << 1 << Canvas::kBlack;
    QTest::newRow("eraser clears") << 2 << 0 << Canvas::kBackground;
    QTest::newRow("no tool") << 0 << -1 << QRgb(0);
    QTest::newRow("a shape tool") << 5 << -1 << QRgb(0);
}

void TestCanvas::plotCellFollowsTheTool()
{
    QFETCH(int, tool);
    QFETCH(int, cell);
    QFETCH(QRgb, colour);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    // Start from a black dot at (0, 0) so that every tool's effect shows.
    window.CurrentTool = 1;
    window.PlotCell(0, 0);
    const QImage before = window.Picture1->image();
    window.CurrentTool = static_cast<int16_t>(tool);
    window.PlotCell(0, 0);
    if (cell < 0) {
        QCOMPARE(window.grid.cell(0, 0), int16_t(1));
        QCOMPARE(window.Picture1->image(), before);
    } else {
        QCOMPARE(window.grid.cell(0, 0), int16_t(cell));
        QCOMPARE(dotColour(window, 0, 0), colour);
        QCOMPARE(blackPixels(window.Picture1->image()), cell == 1 ? cellDotRect(0, 0).width() * cellDotRect(0, 0).height() : 0);
    }
}

void TestCanvas::repaintDrawsNothingWhileSaveAsIsDisabled()
{
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    // A cell set while the picture showed, then the picture emptied and the canvas cleared.
    window.markEdited();
    window.document.plotCell(3, 4, 1);
    window.markEmpty();
    window.Picture1->clearToBackground();
    window.Picture1_Paint();
    QCOMPARE(blackPixels(window.Picture1->image()), 0);
}

void TestCanvas::repaintDrawsEverySetCell()
{
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.markEdited();
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, (x + y) % 3 == 0 ? 1 : 0);
    grid.setCell(7, 7, 2);  // only exactly 1 counts as set
    drawCells(window.document, grid);
    window.Picture1->clearToBackground();
    window.Picture1_Paint();
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            QCOMPARE(dotColour(window, x, y), window.grid.cell(x, y) == 1 ? Canvas::kBlack : Canvas::kBackground);
}

void TestCanvas::outlineDrawnTwiceRestoresTheCanvas()
{
    Canvas canvas;
    for (int x = 0; x < kColumns; x += 2)
        canvas.paintCell(x, x % kRows, Canvas::kBlack);
    const QImage before = canvas.image();
    const Outline outlines[] = {
        {Outline::Kind::Line, 10.4, 20.2, 15.1, 22.7},
        {Outline::Kind::Rectangle, -5, -5, 300, 50},
        {Outline::Kind::Rectangle, 30, 30, 30, 60},
        {Outline::Kind::Ellipse, 120, 51, 0, 0, 80, 40},
        {Outline::Kind::Ellipse, 0, 0, 0, 0, 300, 0},
    };
    for (const Outline& outline : outlines) {
        canvas.toggleOutline(outline);
        QVERIFY(canvas.image() != before);
        canvas.toggleOutline(outline);
        QCOMPARE(canvas.image(), before);
    }
}

// Choosing the TI-89 only changes how the cells beyond its 159 x 77 look: they are drawn
// lighter, still drawn on, and choosing the TI-92 Plus again shows exactly what it showed.
void TestCanvas::ti89AreaIsShownLighterAndLosesNothing()
{
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.markEdited();
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, (x + 2 * y) % 5 == 0 ? 1 : 0);
    drawCells(window.document, grid);
    const QImage ti92Plus = window.Picture1->image();

    window.miTI89_Click();
    window.CurrentTool = 1;
    window.PlotCell(201, 90);
    grid.setCell(201, 90, 1);
    QVERIFY(window.grid == grid);
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const bool inside = x < 159 && y < 77;
            const QRect dot = cellDotRect(x, y);
            const QRgb background = inside ? Canvas::kBackground : Canvas::kOutsideBackground;
            QCOMPARE(dotColour(window, x, y), !grid.isSet(x, y) ? background
                                              : inside          ? Canvas::kBlack
                                                                : Canvas::kOutsideBlack);
            QCOMPARE(window.Picture1->image().pixel(dot.right() + 1, dot.bottom() + 1), background);
        }
    }
    window.Picture1_MouseMove(0, 201.5F, 90.5F);
    QCOMPARE(window.statusPanel2->text(), QStringLiteral("( 201,  90) outside the TI-89 picture"));
    window.Picture1_MouseMove(0, 158.5F, 76.5F);
    QCOMPARE(window.statusPanel2->text(), QStringLiteral("( 158,  76)"));

    window.miTI92Plus_Click();
    window.Picture1_MouseMove(0, 201.5F, 90.5F);
    QCOMPARE(window.statusPanel2->text(), QStringLiteral("( 201,  90)"));
    window.CurrentTool = 2;
    window.PlotCell(201, 90);
    QCOMPARE(window.Picture1->image(), ti92Plus);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
