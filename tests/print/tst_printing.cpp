// Printing: the page setup fields' rules and window, the geometry, and pages printed through File > Print to
// PDF, and through a CUPS queue, read back from the rendered page.
#include "app/frmPixoram.h"
#include "print/PagePreview.h"
#include "print/PrintGeometry.h"
#include "print/SpinButton.h"
#include "print/pgset.h"
#include "support/DataTable.h"
#include "support/DocumentEdits.h"
#include "support/RandomGrid.h"
#include "support/ScriptedDialogs.h"

#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// The first page in grey at the resolution, or the part of it in crop (page pixels); a null image when
// pdftoppm failed.
QImage renderPdfPage(const QString& pdfPath, int dotsPerInch, const QRect& crop = QRect())
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QStringList arguments{"-r", QString::number(dotsPerInch), "-gray", "-png", "-singlefile"};
    if (crop.isValid()) {
        arguments << "-x" << QString::number(crop.x()) << "-y" << QString::number(crop.y()) << "-W"
                  << QString::number(crop.width()) << "-H" << QString::number(crop.height());
    }
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), arguments << pdfPath << prefix);
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The smallest rectangle around every pixel of a grey image darker than the limit.
QRect inkBox(const QImage& page, int darkerThan = 250)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.constScanLine(y)[x] < darkerThan)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Whether each edge of a lies within slack of b's.
bool nearRect(const QRectF& a, const QRectF& b, double slack)
{
    return qAbs(a.left() - b.left()) <= slack && qAbs(a.top() - b.top()) <= slack
           && qAbs(a.right() - b.right()) <= slack && qAbs(a.bottom() - b.bottom()) <= slack;
}

// Empty when the page shows exactly the grid's cells inside their frame, as the setup places them from
// origin, the printable area's top-left corner in page pixels; otherwise what differs.
QString printedPageProblem(const QImage& page, QPointF origin, int dotsPerInch, const PageSetupValues& setup,
                           const PictureGrid& grid)
{
    const PrintGeometry geometry = printGeometry(setup);
    const double scale = dotsPerInch / kTwipsPerInch;
    // A cell is black when the pixel under its square's centre is dark.
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const QPointF centre = origin + geometry.cellSquare(x, y).center() * scale;
            const int px = static_cast<int>(centre.x()), py = static_cast<int>(centre.y());
            if ((page.valid(px, py) && page.constScanLine(py)[px] < 128) != grid.isSet(x, y))
                return QStringLiteral("cell (%1, %2) printed wrong").arg(x).arg(y);
        }
    }
    // The frame's line, 5 pixels at 1200 dpi, is under a pixel at 144: its ink lies in the pixels it touches.
    const QRectF frame(origin + geometry.frame().topLeft() * scale, origin + geometry.frame().bottomRight() * scale);
    const QRect ink = inkBox(page);
    if (!nearRect(QRectF(ink), frame, 1))
        return QStringLiteral("ink from %1,%2 to %3,%4 around a frame from %5,%6 to %7,%8")
            .arg(ink.left()).arg(ink.top()).arg(ink.right()).arg(ink.bottom())
            .arg(frame.left()).arg(frame.top()).arg(frame.right()).arg(frame.bottom());
    return {};
}

// Page Setup as the menu opens it, then made active by the window manager, which reloads its fields.
pgset* openPageSetup(frmPixoram& main)
{
    main.mipgset_Click();
    auto* window = main.findChild<pgset*>();
    QEvent activation(QEvent::WindowActivate);
    if (window)
        QApplication::sendEvent(window, &activation);
    return window;
}

// Whether the preview outlines the picture where the fields' numbers put it on the 8.5 x 11 inch page.
bool previewFollowsFields(const pgset* window)
{
    const QImage page = window->Picture1->image().convertToFormat(QImage::Format_Grayscale8);
    const double top = fieldNumber(window->Text1->text()), left = fieldNumber(window->Text2->text());
    const double width = fieldNumber(window->Text3->text());
    const QTransform toPixels = QTransform::fromScale(page.width() / 8.5, page.height() / 11.0);
    const QRectF expected = toPixels.mapRect(QRectF(left, top, width, width * 103 / 240)).adjusted(0, 0, 1, 1);
    return nearRect(QRectF(inkBox(page, 128)), expected, 1.5);
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    static constexpr int kDpi = 144;              // 10 twips a pixel
    static inline const QPointF kOrigin{72, 72};  // half-inch margins on every side
    QTemporaryDir dir;

    // Prints the window's picture through the print dialog as a user answers it: PDF into the file, letter
    // paper, half-inch margins. Returns the file's path.
    QString print(frmPixoram& w, ScriptedDialogs& dialogs, const QString& name = "page.pdf", bool accepted = true)
    {
        const QString path = dir.filePath(name);
        QFile::remove(path);
        dialogs.printAnswers.push_back([path, accepted](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
            return accepted;
        });
        w.miPrint_Click();
        return path;
    }

private slots:
    void fieldRules_data() { addTableRows(PIXORAM_TESTDATA "/print/field-rules.tsv"); }
    void fieldRules()
    {
        QFETCH(QStringList, row);  // rule, text, argument, result
        const QString rule = row.value(0), text = row.value(1), argument = row.value(2), result = row.value(3);
        if (rule == "fieldNumber")
            QCOMPARE(::fieldNumber(text), result.toDouble());
        else if (rule == "steppedText")
            QCOMPARE(::steppedText(text, argument.toDouble()), result);
        else if (rule == "limitCorrection")
            QCOMPARE(::limitCorrection(text, argument == "width" ? kWidthLimit : kMarginLimit), result);
        else
            QCOMPARE(argument == "float" ? decimalText(text.toFloat()) : decimalText(text.toDouble()), result);
    }

    void window_data() { addTableRows(PIXORAM_TESTDATA "/print/page-setup-window.tsv"); }
    void window()
    {
        QFETCH(QStringList, row);  // steps, the fields' texts after them, the stored values
        ScriptedDialogs dialogs;
        frmPixoram main(dialogs, QString());
        pgset* window = openPageSetup(main);
        QVERIFY(window);
        for (const QString& step : row[0].split("; ", Qt::SkipEmptyParts)) {
            const QStringList words = step.split(' ');
            const int index = QStringList{"top", "left", "width"}.indexOf(words[0]);
            if (words[0] == "OK" || words[0] == "Cancel") {
                QTest::mouseClick(words[0] == "OK" ? window->Command1 : window->Command2, Qt::LeftButton);
                QVERIFY(!window->isVisible());
            } else if (words[0] == "open") {
                QCOMPARE(openPageSetup(main), window);
            } else if (index < 0) {
                QEvent event(words[0] == "activate" ? QEvent::WindowActivate : QEvent::WindowDeactivate);
                QApplication::sendEvent(window, &event);
            } else if (words[1] == "=") {
                QLineEdit* box = std::array{window->Text1, window->Text2, window->Text3}[index];
                box->selectAll();
                if (words.size() < 3)
                    QTest::keyClick(box, Qt::Key_Delete);
                else
                    box->setText(words[2]);
            } else {
                SpinButton* spin = std::array{window->Spin1, window->Spin2, window->Spin3}[index];
                QTest::mouseClick(words[1] == "upArrow" ? spin->upArrow : spin->downArrow, Qt::LeftButton);
            }
        }
        QCOMPARE(QStringList({window->Text1->text(), window->Text2->text(), window->Text3->text()}).join(','), row.value(1));
        const PageSetupValues& stored = main.pageSetup;
        QCOMPARE(QString::number(stored.TopMargin) + ' ' + QString::number(stored.LeftMargin) + ' '
                     + QString::number(stored.ImageWidth), row.value(2));
        QCOMPARE(main.findChildren<pgset*>().size(), 1);
        QVERIFY(!window->isVisible() || previewFollowsFields(window));
    }

    void geometry_data() { addTableRows(PIXORAM_TESTDATA "/print/geometry.tsv"); }
    void geometry()
    {
        QFETCH(QStringList, row);
        const auto n = [&row](int column) { return row.value(column).toDouble(); };
        const PrintGeometry geometry = printGeometry(PageSetupValues{n(0), float(n(1)), n(2)});
        QCOMPARE(geometry.frame(), QRectF(QPointF(n(3), n(4)), QPointF(n(5), n(6))));
        QCOMPARE(geometry.cellSquare(239, 102), QRectF(QPointF(n(7), n(8)), QPointF(n(9), n(10))));
    }

    void printedPage_data() { addTableRows(PIXORAM_TESTDATA "/print/printed-pages.tsv"); }
    void printedPage()
    {
        QFETCH(QStringList, row);  // top, left, width, the picture
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        drawCells(w.document, row.value(3) == "empty" ? PictureGrid() : randomGrid(92));
        w.pageSetup = PageSetupValues{row[0].toDouble(), row[1].toFloat(), row[2].toDouble()};
        const QImage page = renderPdfPage(print(w, dialogs), kDpi);
        const QString problem = printedPageProblem(page, kOrigin, kDpi, w.pageSetup, w.grid);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // At the printer's own 1200 dpi the frame's line is 5 pixels wide: a row across its left edge.
    void frameIsFivePrinterDotsWide()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        const int left = qRound((36 + 1430 / 20.0) * 1200 / 72);  // margin and frame edge in points
        const QImage edge = renderPdfPage(print(w, dialogs), 1200, QRect(left - 20, 2500, 40, 1));
        QCOMPARE(edge.size(), QSize(40, 1));
        QCOMPARE(inkBox(edge, 128).width(), 5);
    }

    // Cancelled, or into a file that cannot be written: no file, and no message either.
    void nothingPrinted()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        QVERIFY(!QFile::exists(print(w, dialogs, "cancelled.pdf", false)));
        QVERIFY(!QFile::exists(print(w, dialogs, "no such folder/page.pdf")));
        QCOMPARE(dialogs.printDialogs, 2);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void hugeWidthStaysOnThePage()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        w.document.plotCell(0, 0, 1);
        w.pageSetup = PageSetupValues{1, 1, 1e300};
        const QImage page = renderPdfPage(print(w, dialogs), kDpi);
        QCOMPARE(page.size(), QSize(1224, 1584));  // letter paper
        // Cell (0, 0) covers the printable area from one inch in, whatever lies beyond it.
        QImage covered = page.copy(int(kOrigin.x()) + 150, int(kOrigin.y()) + 150, 900, 1280);
        covered.invertPixels();
        QCOMPARE(inkBox(covered, 128), QRect());  // no white pixel
        QCOMPARE(inkBox(page.copy(0, 0, int(kOrigin.x()) + 140, int(kOrigin.y()) + 140)), QRect());
    }

    // Through a CUPS PDF queue, the way a real printer is reached. CTest's tst_cupsprinting runs this where
    // its fixture cups-queue.sh has added the queue and written down where the queue's jobs land.
    void printsThroughCups()
    {
        QFile output(QStringLiteral("cups-pdf-output"));
        if (!output.open(QIODevice::ReadOnly))
            QSKIP("no CUPS PDF queue here: tst_cupsprinting sets one up, as root, where CUPS runs");
        const QDir folder(QString::fromLocal8Bit(output.readAll().trimmed()));
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        drawCells(w.document, randomGrid(631));
        w.pageSetup = PageSetupValues{1.5, 0.75f, 5};
        QPointF origin;
        dialogs.printAnswers.push_back([&](QPrinter& printer) {
            printer.setPrinterName(QStringLiteral("PixoramTestPDF"));
            origin = printer.pageLayout().paintRectPoints().topLeft() * (kDpi / 72.0);
            return true;
        });
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        w.miPrint_Click();
        // The job is done when the queue is empty and a new PDF lies in the output folder.
        QFileInfo produced;
        const bool done = QTest::qWaitFor(
            [&] {
                QProcess jobs;
                jobs.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), QStringLiteral("PixoramTestPDF")});
                if (!jobs.waitForFinished() || !jobs.readAll().isEmpty())
                    return false;
                produced = folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time).value(0);
                return produced.lastModified() >= started;
            },
            60000);
        QVERIFY2(done, qPrintable(QStringLiteral("no PDF arrived in ") + folder.path()));
        const QImage page = renderPdfPage(produced.filePath(), kDpi);
        QFile::remove(produced.filePath());
        const QString problem = printedPageProblem(page, origin, kDpi, w.pageSetup, w.grid);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
