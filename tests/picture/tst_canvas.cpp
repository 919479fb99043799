// The dots on the canvas, the mapping of the mouse, the repaint rule and the TI-89 area.
#include "app/frmPixoram.h"
#include "picture/CanvasGeometry.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void dotsAndMouseMapping();
    void everySetCellIsShownAndTheTi89AreaLighter();
};

void TestCanvas::dotsAndMouseMapping()
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
    // The gap of the last cell is the last background pixel of the canvas.
    QCOMPARE(cellDotRect(239, 102).right(), kCanvasInnerWidth - 2);
    QCOMPARE(cellDotRect(239, 102).bottom(), kCanvasInnerHeight - 2);

    // The mouse's pixels in canvas units, left of the canvas too.
    const auto units = [](QPointF pixel) { return std::pair(toCanvasUnits(pixel).X, toCanvasUnits(pixel).Y); };
    QCOMPARE(units(QPointF(543, 254)), std::pair(240.0f, 103.0f));
    QCOMPARE(units(QPointF(1, 1)), std::pair(float(240.0 / 543), float(103.0 / 254)));
    QCOMPARE(units(QPointF(-3, 10)), std::pair(float(-3 * 240.0 / 543), float(10 * 103.0 / 254)));
}

// A repaint draws every cell that is exactly 1, and only while the picture may be saved.
// Choosing the TI-89 only changes how the cells beyond its 159 x 77 look: they are drawn
// lighter, still drawn on, and choosing the TI-92 Plus again shows exactly what it showed.
void TestCanvas::everySetCellIsShownAndTheTi89AreaLighter()
{
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.markEdited();
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, (x + 2 * y) % 5 == 0 ? 1 : 0);
    }
    grid.setCell(7, 7, 2);
    drawCells(window.document, grid);
    const QImage ti92Plus = window.Picture1->image();
    window.Picture1->clearToBackground();
    window.Picture1_Paint();
    QCOMPARE(window.Picture1->image(), ti92Plus);

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
            const QRgb black = inside ? Canvas::kBlack : Canvas::kOutsideBlack;
            QCOMPARE(window.Picture1->image().pixel(dot.topLeft()), grid.cell(x, y) == 1 ? black : background);
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

    // The picture emptied and the canvas cleared: the cells still held are not shown.
    window.markEmpty();
    window.Picture1->clearToBackground();
    window.Picture1_Paint();
    QCOMPARE(window.Picture1->image(), Canvas().image());
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
