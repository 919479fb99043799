// The About window's rising picture, and both windows shown modally from the Help menu.
#include "app/frmPixoram.h"
#include "info/frmAbout.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestInfoWindows : public QObject {
    Q_OBJECT
private slots:
    // Every showing starts the picture at 2520 twips; each tick raises it 10 until it stops at 1300.
    void pictureRisesTo1300OnEveryShowing()
    {
        frmAbout about(nullptr);
        about.show();
        QCOMPARE(about.pictureTop(), 2520);
        QCOMPARE(about.Timer1->interval(), 50);
        for (int step = 0; step < 40; ++step)
            about.Timer1_Timer();
        QCOMPARE(about.pictureTop(), 2120);
        QTest::mouseClick(about.Command1, Qt::LeftButton);
        QVERIFY(about.isHidden());
        QVERIFY(!about.Timer1->isActive());

        about.show();
        QCOMPARE(about.pictureTop(), 2520);
        QVERIFY(about.Timer1->isActive());
        for (int step = 1; step <= 121; ++step)
            about.Timer1_Timer();
        QCOMPARE(about.pictureTop(), 1310);
        for (int step = 0; step < 500; ++step)
            about.Timer1_Timer();
        QCOMPARE(about.pictureTop(), 1300);
        QCOMPARE(about.Picture1->y(), 1300 / 15);
        about.reject();  // the title bar's close button: as OK
        QVERIFY(!about.Timer1->isActive());
    }

    // Each closes with its OK button.
    void helpMenuShowsEachWindowModally()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        QStringList titles;
        const auto pressOk = [&titles](QDialog& window) {
            titles << window.windowTitle();
            QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
            QVERIFY(window.isHidden());
        };
        dialogs.modalActions = {pressOk, pressOk};
        w.miAbout_Click();
        w.miInstructions_Click();
        QCOMPARE(titles, QStringList({"About PIXORAM", "PIXORAM Brief Instructions"}));
        QCOMPARE(dialogs.modalWindows.size(), 2);
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
