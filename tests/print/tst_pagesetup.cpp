// The page setup fields' rules, and the window's fields, arrows, preview, OK and Cancel.
#include "app/frmPixoram.h"
#include "print/PagePreview.h"
#include "print/PageSetupFields.h"
#include "print/SpinButton.h"
#include "print/pgset.h"
#include "support/ScriptedDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <limits>

namespace {

// Waits for the application's own idea of the active window, the one that sends WindowActivate.
bool becomeActive(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// The smallest rectangle around the preview's black pixels, in pixels of the page inside the border.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where a rectangle in inches lands on the preview: 8.5 x 11 inches fill the page.
QRect expectedBox(const QImage& page, double left, double top, double right, double bottom)
{
    const double sx = page.width() / 8.5, sy = page.height() / 11.0;
    return QRect(QPoint(qRound(left * sx), qRound(top * sy)), QPoint(qRound(right * sx), qRound(bottom * sy)));
}

bool near(const QRect& a, const QRect& b)
{
    return qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 && qAbs(a.right() - b.right()) <= 1
           && qAbs(a.bottom() - b.bottom()) <= 1;
}

}  // namespace

class TestPageSetup : public QObject {
    Q_OBJECT

private slots:
    void fieldNumber_data();
    void fieldNumber();
    void steppedText_data();
    void steppedText();
    void limitCorrection_data();
    void limitCorrection();
    void decimalText();

    void typing_data();
    void typing();
    void arrows_data();
    void arrows();
    void okStoresCancelDoesNot_data();
    void okStoresCancelDoesNot();
    void firstOpeningAndReactivation();

private:
    struct Window {
        ScriptedDialogs dialogs;
        frmPixoram main{dialogs, QString()};
        // Shows the window and waits until it is active, which reloads its fields. The main window
        // is made active first, as a window manager does when a window hides.
        pgset* open()
        {
            main.show();
            if (!becomeActive(&main))
                return nullptr;
            main.mipgset_Click();
            auto* window = main.findChild<pgset*>();
            return window && becomeActive(window) ? window : nullptr;
        }
    };
    static QLineEdit* field(pgset* window, int index)
    {
        return std::array{window->Text1, window->Text2, window->Text3}[index - 1];
    }
};

void TestPageSetup::fieldNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("unit after the number") << "1.5in" << 1.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blanks") << "   2.25" << 2.25;
    QTest::newRow("leading tab") << "\t3" << 3.0;
    QTest::newRow("negative") << "-2" << -2.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("no zero before the point") << " .1" << 0.1;
    QTest::newRow("negative, no zero") << "-.1" << -0.1;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("comma is no decimal separator") << "1,5" << 1.0;
    QTest::newRow("exponent") << "1E+20" << 1e20;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("blank inside") << "1 2" << 1.0;
    QTest::newRow("too many digits") << QString(400, QLatin1Char('9')) << std::numeric_limits<double>::max();
}

void TestPageSetup::fieldNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(::fieldNumber(text), number);
}

void TestPageSetup::steppedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("result");
    QTest::newRow("1 up") << "1" << 0.1 << " 1.1";
    QTest::newRow("0 up") << "0" << 0.1 << " .1";
    QTest::newRow("0 down") << "0" << -0.1 << "-.1";
    QTest::newRow("0.1 down to zero") << "0.1" << -0.1 << " 0";
    QTest::newRow("1.1 down") << " 1.1" << -0.1 << " 1";
    QTest::newRow("no binary residue") << " .2" << 0.1 << " .3";
    QTest::newRow("ten down") << "10" << -0.1 << " 9.9";
    QTest::newRow("negative up") << "-1" << 0.1 << "-.9";
    QTest::newRow("unit dropped") << "2.5in" << 0.1 << " 2.6";
    QTest::newRow("letters read 0") << "abc" << 0.1 << " .1";
}

void TestPageSetup::steppedText()
{
    QFETCH(QString, text);
    QFETCH(double, step);
    QFETCH(QString, result);
    QCOMPARE(::steppedText(text, step), result);
}

void TestPageSetup::limitCorrection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("width");
    QTest::addColumn<QString>("correction");
    QTest::newRow("margin -2") << "-2" << false << "0";
    QTest::newRow("margin -.1") << "-.1" << false << "0";
    QTest::newRow("margin 0") << "0" << false << "";
    QTest::newRow("margin empty") << "" << false << "";
    QTest::newRow("width 0.05") << "0.05" << true << "0.1";
    QTest::newRow("width empty") << "" << true << "0.1";
    QTest::newRow("width 0") << " 0" << true << "0.1";
    QTest::newRow("width 0.1") << "0.1" << true << "";
    QTest::newRow("width abc") << "abc" << true << "0.1";
    QTest::newRow("width 2.5") << "2.5" << true << "";
}

void TestPageSetup::limitCorrection()
{
    QFETCH(QString, text);
    QFETCH(bool, width);
    QFETCH(QString, correction);
    QCOMPARE(::limitCorrection(text, width ? kWidthLimit : kMarginLimit), correction);
}

void TestPageSetup::decimalText()
{
    QCOMPARE(::decimalText(1.0), QStringLiteral("1"));
    QCOMPARE(::decimalText(1.5), QStringLiteral("1.5"));
    QCOMPARE(::decimalText(0.1 + 0.2), QStringLiteral("0.3"));
    QCOMPARE(::decimalText(1.1f), QStringLiteral("1.1"));
    QCOMPARE(::decimalText(0.0f), QStringLiteral("0"));
}

void TestPageSetup::typing_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QRectF>("inches");  // the preview's rectangle, left, top, right, bottom
    const double h4 = 4 * 103.0 / 240;
    QTest::newRow("top -2") << 1 << "-2" << "0" << QRectF(QPointF(1, 0), QPointF(5, h4));
    QTest::newRow("top cleared") << 1 << "" << "" << QRectF(QPointF(1, 0), QPointF(5, h4));
    QTest::newRow("top 3in") << 1 << "3in" << "3in" << QRectF(QPointF(1, 3), QPointF(5, 3 + h4));
    QTest::newRow("left abc") << 2 << "abc" << "abc" << QRectF(QPointF(0, 1), QPointF(4, 1 + h4));
    QTest::newRow("left -0.5") << 2 << "-0.5" << "0" << QRectF(QPointF(0, 1), QPointF(4, 1 + h4));
    QTest::newRow("width 0.05") << 3 << "0.05" << "0.1" << QRectF(QPointF(1, 1), QPointF(1.1, 1 + 0.1 * 103 / 240));
    QTest::newRow("width cleared") << 3 << "" << "0.1" << QRectF(QPointF(1, 1), QPointF(1.1, 1 + 0.1 * 103 / 240));
    QTest::newRow("width 7.5") << 3 << "7.5" << "7.5" << QRectF(QPointF(1, 1), QPointF(8.5, 1 + 7.5 * 103 / 240));
}

void TestPageSetup::typing()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QRectF, inches);
    Window w;
    pgset* window = w.open();
    QVERIFY(window);
    QLineEdit* box = field(window, index);
    box->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        box->setText(typed);
    QCOMPARE(box->text(), shown);
    const QImage& page = window->Picture1->image();
    QVERIFY2(near(inkBox(page), expectedBox(page, inches.left(), inches.top(), inches.right(), inches.bottom())),
             qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                            .arg(inkBox(page).x()).arg(inkBox(page).y())
                            .arg(inkBox(page).width()).arg(inkBox(page).height())));
}

void TestPageSetup::arrows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("upArrow");  // the up arrow of Spin1, the right arrow of Spin2 and Spin3
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("top, down arrow adds") << 1 << false << "1" << " 1.1";
    QTest::newRow("top, up arrow subtracts") << 1 << true << "1" << " .9";
    QTest::newRow("top, up arrow at 0") << 1 << true << "0" << "0";
    QTest::newRow("top, down arrow at 0") << 1 << false << "0" << " .1";
    QTest::newRow("left, right arrow adds") << 2 << true << "1" << " 1.1";
    QTest::newRow("left, left arrow subtracts") << 2 << false << "0.3" << " .2";
    QTest::newRow("left, left arrow at 0") << 2 << false << "0" << "0";
    QTest::newRow("width, right arrow adds") << 3 << true << "4" << " 4.1";
    QTest::newRow("width, left arrow at 0.1") << 3 << false << "0.1" << "0.1";
    QTest::newRow("width, left arrow at 0.2") << 3 << false << "0.2" << " .1";
}

void TestPageSetup::arrows()
{
    QFETCH(int, index);
    QFETCH(bool, upArrow);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Window w;
    pgset* window = w.open();
    QVERIFY(window);
    SpinButton* spin = std::array{window->Spin1, window->Spin2, window->Spin3}[index - 1];
    field(window, index)->setText(before);
    QTest::mouseClick(upArrow ? spin->upArrow : spin->downArrow, Qt::LeftButton);
    QCOMPARE(field(window, index)->text(), after);
}

void TestPageSetup::okStoresCancelDoesNot_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestPageSetup::okStoresCancelDoesNot()
{
    QFETCH(bool, ok);
    Window w;
    pgset* window = w.open();
    QVERIFY(window);
    window->Text1->setText(QStringLiteral("2"));
    window->Text2->setText(QStringLiteral("0.1"));
    window->Text3->setText(QStringLiteral("2.5in"));
    QTest::mouseClick(ok ? window->Command1 : window->Command2, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    const PageSetupValues& stored = w.main.pageSetup;
    QCOMPARE(stored.TopMargin, ok ? 2.0 : 1.0);
    QCOMPARE(stored.LeftMargin, ok ? 0.1f : 1.0f);  // a 32-bit float
    QCOMPARE(stored.ImageWidth, ok ? 2.5 : 4.0);
    // The typed text stays until the window is shown again.
    QCOMPARE(window->Text3->text(), QStringLiteral("2.5in"));
    QCOMPARE(w.open(), window);
    QCOMPARE(window->Text1->text(), ok ? QStringLiteral("2") : QStringLiteral("1"));
    QCOMPARE(window->Text2->text(), ok ? QStringLiteral("0.1") : QStringLiteral("1"));
    QCOMPARE(window->Text3->text(), ok ? QStringLiteral("2.5") : QStringLiteral("4"));
}

void TestPageSetup::firstOpeningAndReactivation()
{
    Window w;
    pgset* window = w.open();
    QVERIFY(window);
    QCOMPARE(window->Text1->text(), QStringLiteral("1"));
    QCOMPARE(window->Text2->text(), QStringLiteral("1"));
    QCOMPARE(window->Text3->text(), QStringLiteral("4"));
    const QImage& page = window->Picture1->image();
    QVERIFY(near(inkBox(page), expectedBox(page, 1, 1, 5, 1 + 4 * 103.0 / 240)));
    window->Text1->setText(QStringLiteral("3"));
    window->Text3->setText(QStringLiteral("6"));
    QVERIFY(becomeActive(&w.main));
    QCOMPARE(window->Text1->text(), QStringLiteral("3"));  // still open, still edited
    QVERIFY(becomeActive(window));
    QCOMPARE(window->Text1->text(), QStringLiteral("1"));
    QCOMPARE(window->Text3->text(), QStringLiteral("4"));
    QVERIFY(near(inkBox(page), expectedBox(page, 1, 1, 5, 1 + 4 * 103.0 / 240)));
    QCOMPARE(w.main.pageSetup.ImageWidth, 4.0);
    // Shown again, the same window.
    QCOMPARE(w.open(), window);
    QCOMPARE(w.main.findChildren<pgset*>().size(), 1);
}

QTEST_MAIN(TestPageSetup)
#include "tst_pagesetup.moc"
