// The About window's rising picture, and both windows shown modally from the Help menu.
#include "app/frmPixoram.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestInfoWindows : public QObject {
    Q_OBJECT
private slots:
    void pictureRisesTo1300AndStops();
    void everyShowingStartsTheRiseAgain();
    void helpMenuShowsEachWindowModally();
};

void TestInfoWindows::pictureRisesTo1300AndStops()
{
    frmAbout about(nullptr);
    about.show();
    QCOMPARE(about.pictureTop(), 2520);
    QVERIFY(about.Timer1->isActive());
    QCOMPARE(about.Timer1->interval(), 50);
    for (int step = 1; step <= 121; ++step)
        about.Timer1_Timer();
    QCOMPARE(about.pictureTop(), 1310);
    about.Timer1_Timer();
    QCOMPARE(about.pictureTop(), 1300);
    for (int step = 0; step < 500; ++step)
        about.Timer1_Timer();
    QCOMPARE(about.pictureTop(), 1300);
    QCOMPARE(about.Picture1->y(), 1300 / 15);
}

void TestInfoWindows::everyShowingStartsTheRiseAgain()
{
    frmAbout about(nullptr);
    about.show();
    for (int step = 0; step < 40; ++step)
        about.Timer1_Timer();
    QCOMPARE(about.pictureTop(), 2120);
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(about.isHidden());
    QVERIFY(!about.Timer1->isActive());
    about.show();
    QCOMPARE(about.pictureTop(), 2520);
    QVERIFY(about.Timer1->isActive());
    about.reject();  // the title bar's close button: as OK
    QVERIFY(!about.Timer1->isActive());
}

void TestInfoWindows::helpMenuShowsEachWindowModally()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    dialogs.modalActions.push_back([](QDialog& window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("About PIXORAM"));
        dynamic_cast<frmAbout&>(window).Command1_Click();
    });
    dialogs.modalActions.push_back([](QDialog& window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("PIXORAM Brief Instructions"));
        dynamic_cast<frmHelp&>(window).Command1_Click();
        QVERIFY(window.isHidden());
    });
    w.miAbout_Click();
    w.miInstructions_Click();
    QCOMPARE(dialogs.modalWindows.size(), 2);
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
