// The drawing rules on plain values, and whole gestures on the main window's canvas as mouse
// events. The cases of both are in tests/data/draw.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "draw/CellPositionText.h"
#include "draw/PenStroke.h"
#include "draw/ShapeCells.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <optional>

namespace {

// The cases in tests/data/draw/<name>: paragraphs of lines, '#' lines left out.
QList<QStringList> drawCases(const QString& name)
{
    QFile file(QStringLiteral(PIXORAM_TESTDATA "/draw/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<QStringList> cases;
    for (const QString& paragraph : QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n"))) {
        QStringList lines = paragraph.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(QLatin1Char('#')); });
        if (!lines.isEmpty())
            cases << lines;
    }
    return cases;
}

// "10,20 11,20 ...", in the order painted; "none" when nothing was.
QString sequence(const QList<QPoint>& cells)
{
    QStringList parts;
    for (const QPoint& cell : cells)
        parts << QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y());
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QLatin1Char(' '));
}

// One string per row of the grid: 'X' for a set cell, '.' for the others.
QStringList gridRows(const PictureGrid& grid)
{
    QStringList rows;
    for (int y = 0; y < kRows; ++y) {
        QString row;
        for (int x = 0; x < kColumns; ++x)
            row += grid.isSet(x, y) ? QLatin1Char('X') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

// Plays a script of gestures.txt; returns where the mouse last moved to, if it did.
std::optional<QPointF> play(frmPixoram& w, const QString& script)
{
    std::optional<QPointF> lastMove;
    float X = 0, Y = 0;
    Qt::MouseButtons held;
    const QHash<QString, Qt::MouseButton> buttons{{"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
    // A mouse event at an exact position in canvas units (QTest's own events take whole pixels).
    const auto send = [&](QEvent::Type type, Qt::MouseButton button) {
        const QPointF local = QPointF(w.Picture1->contentsRect().topLeft()) + toInnerPixels(X, Y);
        QMouseEvent event(type, local, w.Picture1->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(w.Picture1, &event);
    };
    for (const QString& step : script.split(QLatin1Char(';'))) {
        const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() >= 3) {
            X = words[1].toFloat();
            Y = words[2].toFloat();
        }
        const Qt::MouseButton button = buttons.value(words.last(), Qt::LeftButton);
        if (words[0] == QLatin1String("tool")) {
            w.mitool_Click(words[1].toInt());
        } else if (words[0] == QLatin1String("saved")) {
            w.SavedTool = int16_t(words[1].toInt());
        } else if (words[0] == QLatin1String("plot")) {
            w.document.plotCell(int(X), int(Y), 1);
        } else if (words[0] == QLatin1String("cls")) {
            w.miCls_Click();
        } else if (words[0] == QLatin1String("move")) {
            send(QEvent::MouseMove, Qt::NoButton);
            lastMove = QPointF(X, Y);
        } else if (words[0] == QLatin1String("press")) {
            held |= button;
            send(QEvent::MouseButtonPress, button);
            w.miTools->hide();  // the right button's pop-up menu
        } else {
            held &= ~button;
            send(QEvent::MouseButtonRelease, button);
        }
    }
    return lastMove;
}

// The canvas as a fresh paint of the grid shows it.
QImage freshPaint(const PictureGrid& grid)
{
    Canvas canvas;
    canvas.showCells(grid, QRect(0, 0, kColumns, kRows));
    return canvas.image();
}

// For a drag not yet released: the grid is untouched and the canvas differs from it by the
// outline alone, "outline X Y W H" in canvas units (within the rounding of its ends to pixels).
void checkOutline(frmPixoram& w, const QString& outline)
{
    QVERIFY(w.grid == PictureGrid());
    const QStringList words = outline.split(QLatin1Char(' '));
    const QRectF units(words[1].toDouble(), words[2].toDouble(), words[3].toDouble(), words[4].toDouble());
    const QRectF expected(toInnerPixels(units.left(), units.top()), toInnerPixels(units.right(), units.bottom()));
    const QImage shown = w.Picture1->image();
    const QImage cells = freshPaint(w.grid);
    QRect changed;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != cells.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    const auto near = [](double a, double b) { return qAbs(a - b) <= 1.5; };
    QVERIFY(near(changed.left(), expected.left()) && near(changed.right(), expected.right())
            && near(changed.top(), expected.top()) && near(changed.bottom(), expected.bottom()));
    // Bars, boxes and ellipses show theirs empty.
    if (units.width() > 2 && units.height() > 2 && w.CurrentTool != 3)
        QCOMPARE(w.Picture1->image().pixel(expected.center().toPoint()), Canvas::kBackground);
}

}  // namespace

class tst_Drawing : public QObject {
    Q_OBJECT
private slots:
    void rule_data();
    void rule();
    void gesture_data();
    void gesture();
    void rightButtonOpensToolMenu();
};

void tst_Drawing::rule_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QList<float>>("numbers");
    QTest::addColumn<QString>("expected");
    for (const QStringList& lines : drawCases(QStringLiteral("rules.txt"))) {
        QList<float> numbers;
        for (const QString& number : lines[1].split(QLatin1Char(' ')))
            numbers << number.toFloat();
        QTest::newRow(qPrintable(lines[0])) << lines[0].section(QLatin1Char(' '), 0, 0) << numbers << lines[2];
    }
}

void tst_Drawing::rule()
{
    QFETCH(QString, rule);
    QFETCH(QList<float>, numbers);
    QFETCH(QString, expected);
    const auto cell = [&](int index) { return int16_t(numbers[index]); };
    if (rule == QLatin1String("position")) {
        QCOMPARE(cellPositionText(cell(0), cell(1)), expected);
        return;
    }
    QList<QPoint> painted;
    const CellSink paint = [&painted](int16_t x, int16_t y) { painted << QPoint(x, y); };
    if (rule == QLatin1String("pen")) {
        const PenPoint last = penStrokeTo({numbers[0], numbers[1]}, cell(2), cell(3), paint);
        QCOMPARE(last.x, numbers[2]);
        QCOMPARE(last.y, numbers[3]);
    } else {
        const QHash<QString, ToolShape> shapes{{"line", ToolShape::Line}, {"box", ToolShape::Box},
                                               {"bar", ToolShape::Bar}, {"circle", ToolShape::Circle},
                                               {"ellipse", ToolShape::Ellipse}};
        shapeCells(shapes.value(rule), {numbers[0], numbers[1], numbers[2], numbers[3], numbers.value(4)}, paint);
    }
    QCOMPARE(sequence(painted), expected);
}

void tst_Drawing::gesture_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");
    for (const QStringList& lines : drawCases(QStringLiteral("gestures.txt")))
        QTest::newRow(qPrintable(lines[0])) << lines[1] << lines.mid(2);
}

void tst_Drawing::gesture()
{
    QFETCH(QString, script);
    QFETCH(QStringList, expected);

    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    const std::optional<QPointF> lastMove = play(w, script);
    if (expected[0].startsWith(QLatin1String("outline"))) {
        checkOutline(w, expected[0]);
        return;
    }
    QStringList picture(kRows, QString(kColumns, QLatin1Char('.')));
    if (expected[0] == QLatin1String("cropped")) {
        shapeCells(findTool(w.CurrentTool)->shape, {w.StartX, w.StartY, w.EndX, w.EndY, w.Radius},
                   [&picture](int16_t x, int16_t y) {
                       if (PictureGrid::contains(x, y))
                           picture[y][x] = QLatin1Char('X');
                   });
    } else {
        const QStringList at = expected[0].split(QLatin1Char(' '));
        for (int row = 1; row < expected.size(); ++row)
            picture[at[2].toInt() + row - 1].replace(at[1].toInt(), expected[row].size(), expected[row]);
    }
    QCOMPARE(gridRows(w.grid), picture);
    QCOMPARE(w.Picture1->image(), freshPaint(w.grid));
    QVERIFY(w.drawMode == frmPixoram::DrawMode::CopyPen);
    // A press marks the picture edited, unless ClrDraw emptied it since; the armed tool is checked.
    if (!script.contains(QLatin1String("cls")))
        QVERIFY(!w.miOpen->isEnabled() && w.miSaveAs->isEnabled() && !w.Image11->isHidden() && w.Image8->isHidden());
    for (int item = 1; item <= 12; ++item)
        QCOMPARE(w.mitool[item]->isChecked(), item == w.CurrentTool);
    if (lastMove)
        QCOMPARE(w.statusPanel2->text(), cellPositionText(cellOf(lastMove->x()), cellOf(lastMove->y())));
}

void tst_Drawing::rightButtonOpensToolMenu()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.markFileLoaded();
    w.mitool_Click(3);
    const QPoint where(200, 100);
    QTest::mousePress(w.Picture1, Qt::RightButton, {}, where);
    QVERIFY(w.miTools->isVisible());
    QVERIFY((w.miTools->geometry().topLeft() - w.Picture1->mapToGlobal(where)).manhattanLength() <= 2);
    QVERIFY(w.miOpen->isEnabled() && w.Image11->isHidden());  // not marked edited

    QTest::mouseClick(w.miTools, Qt::LeftButton, {}, w.miTools->actionGeometry(w.mitool[10]).center());
    QTest::mouseRelease(w.Picture1, Qt::RightButton, {}, where);
    QCOMPARE(w.CurrentTool, int16_t(10));
    QVERIFY(w.mitool[10]->isChecked() && !w.mitool[3]->isChecked());
}

QTEST_MAIN(tst_Drawing)
#include "tst_drawing.moc"
