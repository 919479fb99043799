// Printing: the geometry, and pages printed to PDF through File > Print, read back from the rendered page.
#include "PdfPages.h"
#include "app/frmPixoram.h"
#include "print/PrintGeometry.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"

#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kDpi = 144;              // 10 twips a pixel
const QPointF kOrigin(72, 72);         // half-inch margins on every side

// The print dialog as a user answers it: PDF into the file, letter paper, half-inch margins.
std::function<bool(QPrinter&)> printToPdf(const QString& path)
{
    return [path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
        return true;
    };
}

PictureGrid scatteredGrid()
{
    QRandomGenerator random(92);
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, random.bounded(3) == 0 ? 1 : 0);
    for (auto [x, y] : {std::pair{0, 0}, {239, 0}, {0, 102}, {239, 102}})
        grid.setCell(x, y, 1);
    return grid;
}

QString cellsDiffering(const PictureGrid& a, const PictureGrid& b)
{
    QStringList cells;
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            if (a.cell(x, y) != b.cell(x, y) && cells.size() < 10)
                cells << QStringLiteral("(%1,%2)").arg(x).arg(y);
    return cells.join(QLatin1Char(' '));
}

// The frame's line, 5 pixels at 1200 dpi, is 0.6 pixels at 144: its ink lies in the pixels it touches, no further.
bool aroundFrame(const QRect& ink, const QRectF& frame)
{
    return qAbs(ink.left() - frame.left()) <= 1.0 && qAbs(ink.top() - frame.top()) <= 1.0
           && qAbs(ink.right() + 1 - frame.right()) <= 1.0 && qAbs(ink.bottom() + 1 - frame.bottom()) <= 1.0;
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void printedPage_data();
    void printedPage();
    void emptyGridPrintsOnlyTheFrame();
    void cancelPrintsNothing();
    void unwritableFileFailsQuietly();
    void hugeWidthStaysOnThePage();

private:
    QTemporaryDir dir;
};

void TestPrinting::geometry_data()
{
    QTest::addColumn<PageSetupValues>("setup");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<QRectF>("lastCell");  // the square of cell (239, 102)
    QTest::newRow("defaults") << PageSetupValues{1, 1, 4} << 24.0 << QRectF(QPointF(1430, 1430), QPointF(7210, 3922))
                              << QRectF(QPointF(7176, 3888), QPointF(7194, 3906));
    QTest::newRow("2.5 wide, top 2, left 0.5")
        << PageSetupValues{2, 0.5f, 2.5} << 15.0 << QRectF(QPointF(710, 2870), QPointF(4330, 4435))
        << QRectF(QPointF(4305, 4410), QPointF(4316.25, 4421.25));
    QTest::newRow("zero margins") << PageSetupValues{0, 0, 0.1} << 0.6 << QRectF(QPointF(-10, -10), QPointF(154, 71.8))
                                  << QRectF(QPointF(143.4, 61.2), QPointF(143.85, 61.65));
}

void TestPrinting::geometry()
{
    QFETCH(PageSetupValues, setup);
    QFETCH(double, pitch);
    QFETCH(QRectF, frame);
    QFETCH(QRectF, lastCell);
    const PrintGeometry geometry = printGeometry(setup);
    QCOMPARE(geometry.cellPitch, pitch);
    QCOMPARE(geometry.frame(), frame);
    QCOMPARE(geometry.cellSquare(239, 102), lastCell);
}

void TestPrinting::printedPage_data()
{
    QTest::addColumn<PageSetupValues>("setup");
    QTest::newRow("defaults") << PageSetupValues{1, 1, 4};
    QTest::newRow("top 2, left 0.5, 6 wide") << PageSetupValues{2, 0.5f, 6};
    QTest::newRow("top 0, left 0, 7.5 wide") << PageSetupValues{0, 0, 7.5};
}

void TestPrinting::printedPage()
{
    QFETCH(PageSetupValues, setup);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drawCells(w.document, scatteredGrid());
    w.pageSetup = setup;
    const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    dialogs.printAnswers.push_back(printToPdf(path));
    w.miPrint_Click();

    const QImage page = renderPdfPage(path, kDpi);
    QVERIFY(!page.isNull());
    QCOMPARE(page.size(), QSize(1224, 1584));  // letter paper
    const PictureGrid printed = readBackGrid(page, kOrigin, kDpi, setup);
    QVERIFY2(printed == w.grid, qPrintable(QStringLiteral("cells differ: ") + cellsDiffering(printed, w.grid)));
    const QRect ink = inkBox(page);
    const QRectF frame = framePixels(kOrigin, kDpi, setup);
    QVERIFY2(aroundFrame(ink, frame), qPrintable(QStringLiteral("ink %1,%2 to %3,%4")
                                                     .arg(ink.left()).arg(ink.top())
                                                     .arg(ink.right()).arg(ink.bottom())));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestPrinting::emptyGridPrintsOnlyTheFrame()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    const QString path = dir.filePath(QStringLiteral("empty.pdf"));
    dialogs.printAnswers.push_back(printToPdf(path));
    w.miPrint_Click();

    const QImage page = renderPdfPage(path, kDpi);
    QVERIFY(!page.isNull());
    const QRectF frame = framePixels(kOrigin, kDpi, w.pageSetup);
    QVERIFY(aroundFrame(inkBox(page), frame));
    // Inside the line: white. Along it: ink in every column and row it passes.
    const QRect inside = frame.toRect().adjusted(2, 2, -2, -2);
    QCOMPARE(inkBox(page.copy(inside)), QRect());
    for (int x = inside.left(); x <= inside.right(); ++x)
        QVERIFY(inkBox(page.copy(x, int(frame.top()) - 1, 1, 3)).isValid());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        QVERIFY(inkBox(page.copy(int(frame.left()) - 1, y, 3, 1)).isValid());

    // At the printer's own 1200 dpi the line is 5 pixels wide: a row across the left edge.
    const int left = qRound((36 + 1430 / 20.0) * 1200 / 72);  // margin and frame edge in points
    const QImage edge = renderPdfPage(path, 1200, QRect(left - 20, 2500, 40, 1));
    QVERIFY(!edge.isNull());
    int inked = 0;
    for (int x = 0; x < edge.width(); ++x)
        inked += edge.constScanLine(0)[x] < 128 ? 1 : 0;
    QCOMPARE(inked, 5);
}

void TestPrinting::cancelPrintsNothing()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    const QString path = dir.filePath(QStringLiteral("cancelled.pdf"));
    dialogs.printAnswers.push_back([path](QPrinter& printer) {
        printToPdf(path)(printer);
        return false;
    });
    w.document.plotCell(5, 5, 1);
    w.miPrint_Click();
    QCOMPARE(dialogs.printDialogs, 1);
    QVERIFY(!QFile::exists(path));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestPrinting::unwritableFileFailsQuietly()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    const QString path = dir.filePath(QStringLiteral("no such folder/page.pdf"));
    dialogs.printAnswers.push_back(printToPdf(path));
    const PictureGrid before = w.grid;
    w.miPrint_Click();
    QVERIFY(!QFile::exists(path));
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(w.grid == before);
}

void TestPrinting::hugeWidthStaysOnThePage()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(0, 0, 1);
    w.pageSetup = PageSetupValues{1, 1, 1e300};
    const QString path = dir.filePath(QStringLiteral("huge.pdf"));
    dialogs.printAnswers.push_back(printToPdf(path));
    w.miPrint_Click();
    const QImage page = renderPdfPage(path, kDpi);
    QVERIFY(!page.isNull());
    // Cell (0, 0) covers the printable area from one inch in, whatever lies beyond it.
    const QRect covered(int(kOrigin.x()) + 150, int(kOrigin.y()) + 150, 900, 1280);  // within the printable area
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x)
            QVERIFY2(page.constScanLine(y)[x] < 128, qPrintable(QStringLiteral("white at %1,%2").arg(x).arg(y)));
    QCOMPARE(inkBox(page.copy(0, 0, int(kOrigin.x()) + 140, int(kOrigin.y()) + 140)), QRect());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
