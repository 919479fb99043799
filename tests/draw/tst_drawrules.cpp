// The drawing rules on plain values: the pen's walk, the shapes' cells, the position text.
#include "CellRecorder.h"

#include "draw/CellPositionText.h"
#include "draw/PenStroke.h"
#include "draw/ShapeCells.h"

#include <QTest>

class tst_DrawRules : public QObject {
    Q_OBJECT
private slots:
    void penStroke_data();
    void penStroke();
    void line_data();
    void line();
    void box_data();
    void box();
    void bar_data();
    void bar();
    void circleOfRadiusFive();
    void ellipse_data();
    void ellipse();
    void cellPosition_data();
    void cellPosition();
};

void tst_DrawRules::penStroke_data()
{
    QTest::addColumn<float>("fromX");
    QTest::addColumn<float>("fromY");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cells");

    // The minor coordinate is floored, never rounded.
    QTest::newRow("later segment") << 10.0f << 10.0f << 15 << 12 << "10,10 11,10 12,10 13,11 14,11 15,12";
    QTest::newRow("same segment backwards") << 15.0f << 12.0f << 10 << 10
                                            << "15,12 14,11 13,11 12,10 11,10 10,10";
    // From an unrounded press point the walk stops short of the target column.
    QTest::newRow("first segment") << 10.4f << 10.6f << 15 << 10 << "10,10 11,10 12,10 13,10 14,10";
    QTest::newRow("slope 1 walks x") << 10.0f << 10.0f << 13 << 13 << "10,10 11,11 12,12 13,13";
    QTest::newRow("slope -1 walks x") << 10.0f << 13.0f << 13 << 10 << "10,13 11,12 12,11 13,10";
    QTest::newRow("steep") << 10.0f << 10.0f << 12 << 15 << "10,10 10,11 10,12 11,13 11,14 12,15";
    QTest::newRow("vertical") << 7.0f << 3.0f << 7 << 6 << "7,3 7,4 7,5 7,6";
    QTest::newRow("vertical up from a fraction") << 7.0f << 6.5f << 7 << 3 << "7,6 7,5 7,4 7,3";
    QTest::newRow("press point inside the target") << 7.3f << 6.6f << 7 << 6 << "7,6";
    QTest::newRow("same cell") << 7.0f << 6.0f << 7 << 6 << "";
    QTest::newRow("off the canvas") << 1.0f << 1.0f << -2 << 1 << "1,1 0,1 -1,1 -2,1";
}

void tst_DrawRules::penStroke()
{
    QFETCH(float, fromX);
    QFETCH(float, fromY);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, cells);

    CellRecorder painted;
    const PenPoint last = penStrokeTo({fromX, fromY}, int16_t(column), int16_t(row), painted.sink());
    QCOMPARE(painted.sequence(), cells);
    QCOMPARE(last.x, float(column));
    QCOMPARE(last.y, float(row));
}

namespace {

void addDragColumns()
{
    QTest::addColumn<float>("startX");
    QTest::addColumn<float>("startY");
    QTest::addColumn<float>("endX");
    QTest::addColumn<float>("endY");
    QTest::addColumn<QString>("cells");
}

ShapeDrag fetchDrag()
{
    QFETCH(float, startX);
    QFETCH(float, startY);
    QFETCH(float, endX);
    QFETCH(float, endY);
    return {startX, startY, endX, endY, 0};
}

}  // namespace

void tst_DrawRules::line_data()
{
    addDragColumns();
    // x 10.4, 11.4, ... 14.4 with y 20.2, 20.73, 21.26, 21.80, 22.33: (15, 22) stays clear.
    QTest::newRow("worked example") << 10.4f << 20.2f << 15.1f << 22.7f << "10,20 11,20 12,21 13,21 14,22";
    QTest::newRow("worked example reversed") << 15.1f << 22.7f << 10.4f << 20.2f << "15,22 14,22 13,21 12,21 11,20";
    QTest::newRow("walk ends in the release column") << 10.2f << 5.0f << 15.5f << 5.0f
                                                     << "10,5 11,5 12,5 13,5 14,5 15,5";
    QTest::newRow("vertical") << 3.5f << 2.5f << 3.5f << 5.0f << "3,2 3,3 3,4";
    QTest::newRow("nearly vertical") << 3.5f << 2.5f << 3.9f << 5.5f << "3,2 3,3 3,4 3,5";
    QTest::newRow("slope 1 walks y") << 2.5f << 2.0f << 4.5f << 4.0f << "2,2 3,3 4,4";
    QTest::newRow("slope -1 walks y") << 2.5f << 5.5f << 5.5f << 2.5f << "2,5 3,4 4,3 5,2";
    // Walking y from 2.0 reaches y = 4.0 and x = 3.9; walking x would stop at 3.5.
    QTest::newRow("steep walks y") << 2.5f << 2.0f << 3.9f << 4.0f << "2,2 3,3 3,4";
    QTest::newRow("zero length") << 4.5f << 4.5f << 4.5f << 4.5f << "";
    QTest::newRow("off the left edge") << 2.5f << 1.5f << -3.5f << 1.5f << "2,1 1,1 0,1 -1,1 -2,1 -3,1 -4,1";
}

void tst_DrawRules::line()
{
    QFETCH(QString, cells);
    CellRecorder painted;
    lineCells(fetchDrag(), painted.sink());
    QCOMPARE(painted.sequence(), cells);
}

void tst_DrawRules::box_data()
{
    addDragColumns();
    // Top and bottom cell for each column, then left and right cell for each row.
    QTest::newRow("small") << 1.5f << 1.5f << 3.2f << 2.7f << "1,1 1,2 2,1 2,2 3,1 3,2 1,1 3,1 1,2 3,2";
    QTest::newRow("reversed") << 3.2f << 2.7f << 1.5f << 1.5f << "3,2 3,1 2,2 2,1 1,2 1,1 3,2 1,2 3,1 1,1";
    QTest::newRow("equal x: one column, twice") << 2.5f << 1.5f << 2.5f << 3.5f << "2,1 2,1 2,2 2,2 2,3 2,3";
    QTest::newRow("equal y: one row, twice") << 1.5f << 2.5f << 3.5f << 2.5f << "1,2 1,2 2,2 2,2 3,2 3,2";
    // Different points in one cell still make a one-cell box.
    QTest::newRow("within a cell") << 4.2f << 4.2f << 4.7f << 4.9f << "4,4 4,4 4,4 4,4";
    QTest::newRow("zero size") << 4.5f << 4.5f << 4.5f << 4.5f << "";
    QTest::newRow("past the last column and row") << 238.5f << 100.5f << 241.5f << 103.5f
                                                  << "238,100 239,100 238,100 238,101 238,102";
    QTest::newRow("before the first column") << 1.5f << 1.5f << -0.5f << 0.5f
                                             << "1,1 1,0 0,1 0,0 -1,1 -1,0 1,1 -1,1 1,0 -1,0";
}

void tst_DrawRules::box()
{
    QFETCH(QString, cells);
    CellRecorder painted;
    boxCells(fetchDrag(), painted.sink());
    QCOMPARE(painted.sequence(), cells);
}

void tst_DrawRules::bar_data()
{
    addDragColumns();
    // 3.5 goes to 4, 6.5 to 6: columns 4 to 6, rows 7 to 10, columns outer.
    QTest::newRow("worked example") << 3.5f << 7.2f << 6.5f << 9.8f
                                    << "4,7 4,8 4,9 4,10 5,7 5,8 5,9 5,10 6,7 6,8 6,9 6,10";
    QTest::newRow("worked example reversed") << 6.5f << 9.8f << 3.5f << 7.2f
                                             << "6,10 6,9 6,8 6,7 5,10 5,9 5,8 5,7 4,10 4,9 4,8 4,7";
    QTest::newRow("straight down") << 5.5f << 2.4f << 5.5f << 4.6f << "6,2 6,3 6,4 6,5";
    QTest::newRow("straight across") << 2.4f << 5.5f << 4.6f << 5.5f << "2,6 3,6 4,6 5,6";
    QTest::newRow("halves to even") << 10.5f << 11.5f << 11.5f << 11.5f << "10,12 11,12 12,12";
    QTest::newRow("a point") << 10.6f << 0.2f << 10.6f << 0.2f << "11,0";
    QTest::newRow("over the corner") << -0.6f << 102.4f << 0.4f << 103.6f << "-1,102 -1,103 -1,104 0,102 0,103 0,104";
}

void tst_DrawRules::bar()
{
    QFETCH(QString, cells);
    CellRecorder painted;
    barCells(fetchDrag(), painted.sink());
    QCOMPARE(painted.sequence(), cells);
}

void tst_DrawRules::circleOfRadiusFive()
{
    // d = 0.16: angles 0, 0.16, ... 1.44, four cells each.
    CellRecorder painted;
    shapeCells(ToolShape::Circle, {20, 20, 20, 20, 5}, painted.sink());
    QCOMPARE(painted.cells.size(), 40);
    QCOMPARE(painted.sequence().section(QLatin1Char(' '), 0, 3), QStringLiteral("25,20 25,20 15,20 15,20"));
    // The last angle, 1.44, stops short of the top and bottom.
    QCOMPARE(painted.sequence().section(QLatin1Char(' '), 36), QStringLiteral("20,24 20,15 19,24 19,15"));
    const QStringList expected{
        ".............",
        "...XXXXXX....",
        "..X......X...",
        ".X........X..",
        ".X........X..",
        ".X........X..",
        ".X........XX.",
        ".X........X..",
        ".X........X..",
        "..X......X...",
        "...XXXXXX....",
        ".............",
        ".............",
    };
    QCOMPARE(painted.picture(QRect(14, 14, 13, 13)), expected);
}

void tst_DrawRules::ellipse_data()
{
    QTest::addColumn<ToolShape>("shape");
    QTest::addColumn<float>("startX");
    QTest::addColumn<float>("startY");
    QTest::addColumn<float>("endX");
    QTest::addColumn<float>("endY");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("paints");
    QTest::addColumn<QStringList>("picture");  // columns 15 to 26, rows 14 to 26

    // A vertical drag has aspect 1000: x offsets of at most radius / 1000.
    QTest::newRow("vertical ellipse") << ToolShape::Ellipse << 20.5f << 20.5f << 20.5f << 25.5f << 5.0
                                      << 40
                                      << QStringList{"............", ".....X......", ".....X......",
                                                     ".....X......", ".....X......", ".....X......",
                                                     ".....X......", ".....X......", ".....X......",
                                                     ".....X......", ".....X......", ".....X......",
                                                     "............"};
    // A horizontal drag has aspect 0; the ends of the vertical axis are missed by one step.
    QTest::newRow("horizontal ellipse is flat") << ToolShape::Ellipse << 20.5f << 20.5f << 24.5f << 20.5f << 4.0
                                                << 32
                                                << QStringList{"............", "............", "............",
                                                               "............", "............", "............",
                                                               ".XXXX.XXXX..", "............", "............",
                                                               "............", "............", "............",
                                                               "............"};
    // Aspect |2 / 4| = 0.5: semi-axes 4 across and 2 down.
    QTest::newRow("ellipse of aspect 0.5") << ToolShape::Ellipse << 20.5f << 20.5f << 24.5f << 22.5f << 4.0
                                           << 32
                                           << QStringList{"............", "............", "............",
                                                          "............", "...XX.XX....", ".XX.....XX..",
                                                          ".X.......X..", ".XX.....XX..", "...XX.XX....",
                                                          "............", "............", "............",
                                                          "............"};
    QTest::newRow("zero radius") << ToolShape::Circle << 20.5f << 20.5f << 20.5f << 20.5f << 0.0 << 0
                                 << QStringList(13, QStringLiteral("............"));
}

void tst_DrawRules::ellipse()
{
    QFETCH(ToolShape, shape);
    QFETCH(float, startX);
    QFETCH(float, startY);
    QFETCH(float, endX);
    QFETCH(float, endY);
    QFETCH(double, radius);
    QFETCH(int, paints);
    QFETCH(QStringList, picture);

    CellRecorder painted;
    shapeCells(shape, {startX, startY, endX, endY, radius}, painted.sink());
    QCOMPARE(painted.cells.size(), paints);
    QCOMPARE(painted.picture(QRect(15, 14, 12, 13)), picture);
}

void tst_DrawRules::cellPosition_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("inside") << 12 << 40 << "( 12,  40)";
    QTest::newRow("left of the canvas") << -1 << 5 << "(-1,  5)";
    QTest::newRow("origin") << 0 << 0 << "( 0,  0)";
    QTest::newRow("past the right, above") << 240 << -3 << "( 240, -3)";
}

void tst_DrawRules::cellPosition()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(cellPositionText(int16_t(column), int16_t(row)), text);
}

QTEST_APPLESS_MAIN(tst_DrawRules)
#include "tst_drawrules.moc"
