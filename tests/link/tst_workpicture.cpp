// Which work-picture pixels Snap turns into cells.
#include "link/ScreenImage.h"
#include "picture/WorkPicture.h"

#include <QtTest>

class TestWorkPicture : public QObject {
    Q_OBJECT
private slots:
    void onePixel_data();
    void onePixel();
    void screenshotCommentIsOnThe24HourClock();
};

void TestWorkPicture::onePixel_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QPoint>("cell");  // (-1, -1): none
    const QPoint none(-1, -1);
    QTest::newRow("black on row 18 is row 0") << QPoint(5, 18) << qRgb(0, 0, 0) << QPoint(5, 0);
    QTest::newRow("black on row 120 is row 102") << QPoint(239, 120) << qRgb(0, 0, 0) << QPoint(239, 102);
    QTest::newRow("row 17 is never read") << QPoint(0, 17) << qRgb(0, 0, 0) << none;
    QTest::newRow("row 121 is never read") << QPoint(0, 121) << qRgb(0, 0, 0) << none;
    QTest::newRow("column 240 is never read") << QPoint(240, 50) << qRgb(0, 0, 0) << none;
    QTest::newRow("dark grey is not black") << QPoint(7, 40) << qRgb(1, 1, 1) << none;
    QTest::newRow("dark blue is not black") << QPoint(7, 40) << qRgb(0, 0, 1) << none;
}

void TestWorkPicture::onePixel()
{
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    QFETCH(QPoint, cell);
    QImage workPicture(243, 127, QImage::Format_RGB32);
    QImage bitmap(240 + 3, 128, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    bitmap.setPixel(pixel, colour);
    showBitmapIn(workPicture, bitmap);
    QList<QPoint> cells;
    forEachBlackScreenCell(workPicture, [&](int x, int y) { cells << QPoint(x, y); });
    QCOMPARE(cells, cell == QPoint(-1, -1) ? QList<QPoint>() : QList<QPoint>{cell});
}

void TestWorkPicture::screenshotCommentIsOnThe24HourClock()
{
    QCOMPARE(screenshotComment(QDateTime(QDate(2026, 3, 7), QTime(15, 4, 9))),
             QStringLiteral("ScreenShot 03-07-2026, 15:04:09"));
}

QTEST_MAIN(TestWorkPicture)
#include "tst_workpicture.moc"
